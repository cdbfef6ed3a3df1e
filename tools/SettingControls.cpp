#include "tools/SettingControls.h"

#include "platform/IniFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <string_view>

namespace {

void LoadText(const TIniFile& ini, const TSettingKey& key, QWidget* control) {
    auto* combo = qobject_cast<QComboBox*>(control);
    auto* edit = qobject_cast<QLineEdit*>(control);
    const QString current = combo ? combo->currentText() : edit ? edit->text() : QString();
    const std::string fallback = key.fallback ? key.fallback : current.toStdString();
    const QString text = QString::fromStdString(ini.ReadString(key.section, key.keyRead, fallback));
    if (combo) combo->setCurrentText(text);
    if (edit) edit->setText(text);
}

void LoadBool(const TIniFile& ini, const TSettingKey& key, QCheckBox* box) {
    const bool fallback = key.fallback ? std::string_view(key.fallback) == "1" : box->isChecked();
    box->setChecked(ini.ReadBool(key.section, key.keyRead, fallback));
}

}  // namespace

void LoadSettingKeys(QWidget* form, const TIniFile& ini, std::span<const TSettingKey> keys) {
    for (const TSettingKey& key : keys) {
        auto* control = form->findChild<QWidget*>(key.control);
        if (!control) continue;
        if (key.kind == TSettingKind::Bool) {
            if (auto* box = qobject_cast<QCheckBox*>(control)) LoadBool(ini, key, box);
        } else {
            LoadText(ini, key, control);
        }
    }
}
