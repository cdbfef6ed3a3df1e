#pragma once
// Reading text with C scanner patterns, within bounds.
//
// Device lines are read with scanf-style patterns, some fixed in the program and some typed by
// the surveyor. None of them reaches sscanf: this reader knows what the patterns use and
// refuses everything else, so a hostile pattern yields no value instead of writing past a
// target. What it knows has the C library's meaning:
//
//   blank, tab, ...  skips any white space in the text, none included
//   other character  must be the next character of the text; "%%" matches "%" after blanks
//   %d   %Nd         stores an int, read after white space; N limits the characters read
//   %lf  %Nlf        stores a double, the same way
//   %*d  %*lf        reads the number and stores nothing
//   %*s  %*Ns        skips a run of non-blank characters after white space
//   %*[set]          skips a run of characters of the set: "^" first negates it, "a-z" is a
//                    range, a "]" or "-" first is a member, and a later "-" spans from the
//                    character before it as glibc reads it ("a-c-e" is a to e, a "-" last is
//                    a member); also with a width, %*N[set]
//
// A storing %s, %c or %[, any %n or %p, a positional "%1$", a length other than the "l" of
// %lf, an unknown conversion and a "%" at the end make the pattern invalid. A number that is
// not finite or does not fit its type ("inf", "nan", "1e999", an int beyond 32 bits) is no
// number: the scan stops there as at any other mismatch.

#include <initializer_list>
#include <span>
#include <string_view>
#include <variant>

// Where a storing conversion puts its value: %d an int, %lf a double.
using TScanTarget = std::variant<int*, double*>;

// Scans `text` with `pattern`, storing the values of its storing conversions into `targets` in
// order, and returns how many were stored. The scan stops at the first mismatch or where the
// text ends (where sscanf would give EOF this gives 0). A pattern that is invalid, or that has
// more storing conversions than targets, or one whose type differs from its target's, stores
// nothing and gives 0.
int ScanText(std::string_view text, std::string_view pattern, std::span<const TScanTarget> targets);
int ScanText(std::string_view text, std::string_view pattern,
             std::initializer_list<TScanTarget> targets);

// True when ScanText would read with this pattern into these targets: the pattern is valid and
// each of its storing conversions has a target of its own type. Tells a refused pattern from
// a text that does not match it.
bool ScanPatternFits(std::string_view pattern, std::span<const TScanTarget> targets);
