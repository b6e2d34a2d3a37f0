// Export macro of the custom-controls library.
#pragma once

#ifdef ORVO_CONTROLS_BUILD
#define ORVO_CONTROLS_API __declspec(dllexport)
#else
#define ORVO_CONTROLS_API __declspec(dllimport)
#endif
