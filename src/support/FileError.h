#pragma once

#include "support/RuntimeError.h"

#include <QFileDevice>

// The run-time error a failed file operation stands for, as the program
// reports it ("書き込みできません。 ( 70 )", "ディスクの空き容量が不足しています。 ( 61 )" ...).
RuntimeError fileErrorOf(QFileDevice::FileError error);
