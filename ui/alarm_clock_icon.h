#pragma once

#include <QIcon>

// The small red alarm clock shown in the caption of both windows.
QIcon AlarmClockIcon();
