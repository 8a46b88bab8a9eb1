#pragma once

#include <string>
#include <utility>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trimerka::testing {

// Makes the files under the root (paths relative to it; a name ending in "/" is a folder).
inline void makeTree(const QTemporaryDir& root, const std::vector<const char*>& paths) {
    for (const char* relative : paths) {
        const QString path = root.filePath(QString::fromUtf8(relative));
        if (path.endsWith(QLatin1Char('/'))) {
            ASSERT_TRUE(QDir().mkpath(path)) << relative;
            continue;
        }
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path())) << relative;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative;
    }
}

// The keys of a task file in the order they are written, values as UTF-8 text.
using TaskKeys = std::vector<std::pair<std::string, std::string>>;

// Three vessels 8, 5, 3 holding 8, 0, 0; the targets 4, 4, 0; solution control on.
inline TaskKeys classicTaskKeys() {
    return {
        {"ksz", "1"},
        {"zs0", "Разделите 8 литров поровну,"},
        {"zs1", "пользуясь сосудами 5 и 3 литра."},
        {"ns", "Литры"},
        {"ns1", "8 л"},
        {"ns2", "5 л"},
        {"ns3", "3 л"},
        {"krres", "1"},
        {"sac1", "BAFEBD"},
        {"sac2", "E6E6E6"},
        {"saef", "0"},
        {"sasl", "1"},
        {"sah", "185"},
        {"saem", "8"},
        {"saet", "8"},
        {"saer", "4"},
        {"sbc1", "BAFEBD"},
        {"sbc2", "E6E6E6"},
        {"sbh", "120"},
        {"sbem", "5"},
        {"sbet", "0"},
        {"sber", "4"},
        {"svc1", "BAFEBD"},
        {"svc2", "E6E6E6"},
        {"svh", "80"},
        {"svem", "3"},
        {"svet", "0"},
        {"sver", "0"},
    };
}

// An unlimited vessel А with Б 0 of 5 and В 0 of 3; the targets Б 4, В 3; solution control on.
inline TaskKeys unlimitedTaskKeys(bool pourBack) {
    TaskKeys keys = classicTaskKeys();
    for (auto& [key, value] : keys) {
        if (key == "saef") {
            value = "1";
        } else if (key == "sasl") {
            value = pourBack ? "1" : "0";
        } else if (key == "sber") {
            value = "4";
        } else if (key == "sver") {
            value = "3";
        }
    }
    return keys;
}

// Sets a key's value, appending the key when it is not there.
inline void setKey(TaskKeys& keys, const std::string& key, const std::string& value) {
    for (auto& entry : keys) {
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    }
    keys.emplace_back(key, value);
}

inline void removeKey(TaskKeys& keys, const std::string& key) {
    std::erase_if(keys, [&](const auto& entry) { return entry.first == key; });
}

inline std::string taskFileText(const TaskKeys& keys) {
    std::string text = "[trimerka]\r\n";
    for (const auto& [key, value] : keys) {
        text += key + "=" + value + "\r\n";
    }
    return text;
}

// Writes the bytes into a file of the folder and returns its path.
inline QString writeFile(const QDir& folder, const QString& name, const std::string& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return {};
    }
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

inline QString writeTaskFile(const QDir& folder, const QString& name, const TaskKeys& keys) {
    return writeFile(folder, name, taskFileText(keys));
}

} // namespace trimerka::testing
