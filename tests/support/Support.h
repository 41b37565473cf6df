// The one include for wine tests: pumping, input, modal answers, capture, leak counts,
// the host frame and message recording.
#pragma once
#include <gtest/gtest.h>

#include "Capture.h"
#include "Components.h"
#include "Host.h"
#include "Input.h"
#include "Leaks.h"
#include "Modal.h"
#include "Pump.h"
#include "Recorder.h"
#include "logic/Png.h"
#include "logic/Sequence.h"
