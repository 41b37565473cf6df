// Identifiers of the frame resources in FrameWnd.rc.
#pragma once

#define IDR_TEST_FRAME 9120
#define IDR_TEST_BARE_FRAME 9121
#define ID_TEST_SAVE 9125
#define ID_TEST_CLOSE 9126
