#pragma once

#include <QDir>
#include <QString>
#include <gtest/gtest.h>

// Every case of the settings suite runs in a settings folder of its own (XDG_CONFIG_HOME, set by
// the test command after the case's name), emptied first, so that no case sees another's
// settings or the user's.
inline void EmptyOwnSettingsFolder() {
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    const char* name = testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_FALSE(folder.isEmpty());
    ASSERT_EQ(QDir(folder).dirName(), QString::fromUtf8(name))
        << "each case needs a settings folder named after it";
    QDir(folder).removeRecursively();
}
