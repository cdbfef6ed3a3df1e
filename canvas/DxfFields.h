#pragma once
// The groups an entity reader wants, bound to the variables they fill: a group of a bound
// code sets its variable (the last such group wins), other groups are passed over, and a
// variable whose group is absent keeps its default.
//
//     double x = 0, radius = 0;
//     TDxfFields fields;
//     fields.Real(10, x).Real(40, radius);
//     if (!fields.Read(lines)) return false;  // the text ended inside the entity

#include "canvas/DxfLines.h"

#include <array>
#include <cstddef>
#include <string_view>

class TDxfFields {
public:
    TDxfFields& Real(int code, double& field) { return Bind({code, &field, nullptr, nullptr}); }
    TDxfFields& Integer(int code, int& field) { return Bind({code, nullptr, &field, nullptr}); }
    // The value line as it stands in the text, which must outlive its use.
    TDxfFields& Text(int code, std::string_view& field) {
        return Bind({code, nullptr, nullptr, &field});
    }

    // Groups after the first group of this code are passed over: they belong to something
    // else inside the entity, as an MTEXT's embedded object (101) with its own 10 and 20.
    TDxfFields& IgnoreAfter(int code) {
        ignoreAfter_ = code;
        return *this;
    }

    // Reads the entity's groups up to its closing code "0"; false when the text ends first.
    bool Read(TDxfLines& lines) const {
        bool ignoring = false;
        return lines.ReadGroups([&](int code, std::string_view value) {
            ignoring = ignoring || code == ignoreAfter_;
            if (!ignoring) Take(code, value);
        });
    }

private:
    struct TBinding {
        int code;
        double* real;
        int* integer;
        std::string_view* text;
    };
    static constexpr std::size_t kMaxBindings = 10;

    TDxfFields& Bind(const TBinding& binding) {
        bindings_.at(count_++) = binding;
        return *this;
    }
    void Take(int code, std::string_view value) const {
        for (std::size_t i = 0; i < count_; ++i) {
            const TBinding& b = bindings_[i];
            if (b.code != code) continue;
            if (b.real) *b.real = DxfReal(value);
            if (b.integer) *b.integer = DxfInteger(value);
            if (b.text) *b.text = value;
            return;
        }
    }

    std::array<TBinding, kMaxBindings> bindings_{};
    std::size_t count_ = 0;
    int ignoreAfter_ = -1;
};
