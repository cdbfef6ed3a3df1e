#pragma once
// The key tables of SettingKeys.h applied to a window's controls, found by their object names:
// a combo box or an edit holds the text, a check box the boolean, a colour box the colour.

#include "tools/SettingKeys.h"

#include <span>

class QWidget;
class TIniFile;

// Reads each key in the table's order into its control of `form`. A missing key gives the
// table's fallback, or what the control holds when the table names none. Setting a check box
// runs its handlers, as a click would.
void LoadSettingKeys(QWidget* form, const TIniFile& ini, std::span<const TSettingKey> keys);

// Writes each key in the table's order from its control of `form`. Stops at the first write
// that fails and returns whether all were written.
bool StoreSettingKeys(const QWidget* form, TIniFile& ini, std::span<const TSettingKey> keys);
