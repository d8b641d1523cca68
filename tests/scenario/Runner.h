#pragma once

#include <QString>

namespace zv::scenario {

// The line a scenario file ends with: "PASS file" or "FAIL file:LINE: message".
struct FileResult {
    bool passed = false;
    QString line;
};

// Runs one scenario file in a fresh sandbox. Needs the QApplication.
FileResult RunScenarioFile(const QString& path, const QString& supportFolder);

// The screen a scenario file asks for with its `screen` line, as the offscreen platform's
// configuration (JSON); the default screen when it has none or the file cannot be read.
QByteArray ScreenConfigurationFor(const QString& path);

} // namespace zv::scenario
