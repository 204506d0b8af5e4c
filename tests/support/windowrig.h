// An exercise window over the recording fakes, with a working folder of its own: what the
// window tests and the tutorial benchmark drive.
#pragma once

#include "frmio.h"
#include "lesson/lesson.h"
#include "support/fakes.h"

#include <QTemporaryDir>

struct Windowrig {
    Recordingbox box;
    Recordingview view;
    QTemporaryDir dir;
    Workfolder folder{dir.path().toStdString()};
    Randomsource random;
    Lesson lesson{box, view, folder, random};
    Tfrmio window{lesson};
};
