#include "tools/SettingControls.h"

#include "platform/IniFile.h"
#include "platform/NumberFormat.h"
#include "tools/ColorBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <string_view>

namespace {

QString ControlText(const QWidget* control) {
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    return {};
}

void ShowText(QWidget* control, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setCurrentText(text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(text);
}

// The table's fallback as a whole number, or the control's when the table names none.
int IntegerFallback(const TSettingKey& key, int current) {
    return key.fallback ? StrToIntDef(key.fallback, current) : current;
}

void LoadKey(const TIniFile& ini, const TSettingKey& key, QWidget* control) {
    switch (key.kind) {
        case TSettingKind::Bool:
            if (auto* box = qobject_cast<QCheckBox*>(control)) {
                const bool fallback =
                    key.fallback ? std::string_view(key.fallback) == "1" : box->isChecked();
                box->setChecked(ini.ReadBool(key.section, key.key, fallback));
            }
            return;
        case TSettingKind::Color:
            if (auto* box = dynamic_cast<TColorBox*>(control)) {
                box->SetSelected(
                    ini.ReadInteger(key.section, key.key, IntegerFallback(key, box->Selected())));
            }
            return;
        case TSettingKind::Integer: {
            const int fallback = IntegerFallback(key, StrToIntDef(ControlText(control), 0));
            ShowText(control, QString::fromStdString(
                                  IntToStr(ini.ReadInteger(key.section, key.key, fallback))));
            return;
        }
        case TSettingKind::Text: {
            const std::string fallback =
                key.fallback ? key.fallback : ControlText(control).toStdString();
            ShowText(control,
                     QString::fromStdString(ini.ReadString(key.section, key.key, fallback)));
            return;
        }
    }
}

bool StoreKey(TIniFile& ini, const TSettingKey& key, const QWidget* control) {
    switch (key.kind) {
        case TSettingKind::Bool: {
            const auto* box = qobject_cast<const QCheckBox*>(control);
            return !box || ini.WriteBool(key.section, key.key, box->isChecked());
        }
        case TSettingKind::Color: {
            const auto* box = dynamic_cast<const TColorBox*>(control);
            return !box || ini.WriteInteger(key.section, key.key, box->Selected());
        }
        case TSettingKind::Integer:
            return ini.WriteInteger(key.section, key.key,
                                    StrToIntDef(ControlText(control), IntegerFallback(key, 0)));
        case TSettingKind::Text:
            return ini.WriteString(key.section, key.key, ControlText(control).toStdString());
    }
    return false;
}

}  // namespace

void LoadSettingKeys(QWidget* form, const TIniFile& ini, std::span<const TSettingKey> keys) {
    for (const TSettingKey& key : keys) {
        if (auto* control = form->findChild<QWidget*>(key.control)) LoadKey(ini, key, control);
    }
}

bool StoreSettingKeys(const QWidget* form, TIniFile& ini, std::span<const TSettingKey> keys) {
    for (const TSettingKey& key : keys) {
        const auto* control = form->findChild<const QWidget*>(key.control);
        if (control && !StoreKey(ini, key, control)) return false;
    }
    return true;
}
