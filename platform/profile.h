#pragma once
// Private-profile (INI) settings: the file is opened and released around each
// read or write.
#include <QString>

// The value of key in section, or def when the file, section or key is missing.
QString readProfileString(const QString &file, const QString &section, const QString &key,
                          const QString &def);

// Writes key=value into section, leaving every other line of the file as it
// was; creates the file and the section when missing. Returns false when the
// file cannot be written.
bool writeProfileString(const QString &file, const QString &section, const QString &key,
                        const QString &value);
