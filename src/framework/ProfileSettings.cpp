#include "framework/ProfileSettings.h"

#include <QSettings>

namespace tarvel {

ProfileSettings::ProfileSettings(QString programName, int recentFiles)
    : programName_(std::move(programName)), recentFiles_(recentFiles) {}

ProfileSettings::~ProfileSettings() = default;

// With the program's name in place of an organisation and no application name, the
// INI file is "<program>.ini" right in the user's configuration folder.
std::unique_ptr<QSettings> ProfileSettings::open() const {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, programName_);
}

QString ProfileSettings::fileName() const { return open()->fileName(); }

void ProfileSettings::load() {
    auto settings = open();
    recentFiles_.load(*settings);
    previewPages_ = settings->value(QStringLiteral("Settings/PreviewPages"), 0).toInt();
}

bool ProfileSettings::save() const {
    auto settings = open();
    recentFiles_.save(*settings);
    settings->setValue(QStringLiteral("Settings/PreviewPages"), previewPages_);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

}  // namespace tarvel
