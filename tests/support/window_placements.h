#pragma once

// Where every named control of the four windows sits, by the design's numbers: the table each
// toolkit's windows are measured against, kept apart from the windows' own layout data so that
// a slip in either shows.

namespace vantric::testing {

// A window's client area and caption.
struct WindowPlacement {
  const char* window;
  int client_width, client_height;
  const char* caption;
};

inline constexpr WindowPlacement kWindows[] = {
    {"Form1", 359, 239, "Vantric 1.65 for Windows 95/NT"},
    {"Form2", 376, 272, "Vantric Configuration"},
    {"Form3", 449, 347, "Vantric Pass 1/1"},
    {"Form4", 395, 158, "Enter Information for Log File or Results Printout"},
};

// A label that takes the size of its text: only its position is given.
constexpr int kByText = -1;

// A control of a window: where it sits in its container, and its size.
struct Placement {
  const char* window;
  const char* name;
  const char* container;  // the window itself, a group box or the panel
  int left, top, width, height;
};

inline constexpr Placement kPlacements[] = {
    // Main window.
    {"Form1", "Image2", "Form1", 0, 0, 359, 239},
    {"Form1", "w95r", "Form1", 15, 10, kByText, kByText},
    {"Form1", "w95c", "Form1", 15, 27, kByText, kByText},
    {"Form1", "Label1", "Form1", 15, 49, kByText, kByText},
    {"Form1", "testbt", "Form1", 29, 107, 75, 25},
    {"Form1", "confbt", "Form1", 136, 107, 75, 25},
    {"Form1", "resultsbt", "Form1", 243, 107, 75, 25},
    // Configuration dialog.
    {"Form2", "GroupBox1", "Form2", 4, 9, 81, 57},
    {"Form2", "read16", "GroupBox1", 8, 16, 69, 17},
    {"Form2", "read2", "GroupBox1", 8, 32, 61, 17},
    {"Form2", "GroupBox2", "Form2", 100, 9, 121, 57},
    {"Form2", "seekfull", "GroupBox2", 8, 16, 77, 17},
    {"Form2", "seekrand", "GroupBox2", 8, 32, 105, 17},
    {"Form2", "GroupBox3", "Form2", 232, 9, 141, 124},
    {"Form2", "cpu2x", "GroupBox3", 8, 16, 77, 17},
    {"Form2", "cpu4x", "GroupBox3", 8, 32, 77, 17},
    {"Form2", "cpu6x", "GroupBox3", 8, 48, 77, 17},
    {"Form2", "cpu8x", "GroupBox3", 8, 64, 77, 17},
    {"Form2", "cpu12x", "GroupBox3", 8, 80, 77, 17},
    {"Form2", "cpuuser", "GroupBox3", 8, 99, 49, 17},
    {"Form2", "userval", "GroupBox3", 58, 97, 53, 21},
    {"Form2", "Label1", "GroupBox3", 116, 100, kByText, kByText},
    {"Form2", "GroupBox4", "Form2", 232, 143, 141, 73},
    {"Form2", "burst2k", "GroupBox4", 8, 16, 65, 17},
    {"Form2", "burst8k", "GroupBox4", 8, 32, 69, 17},
    {"Form2", "burst16k", "GroupBox4", 8, 48, 73, 17},
    {"Form2", "Label2", "Form2", 4, 91, kByText, kByText},
    {"Form2", "LogEdit", "Form2", 48, 87, 137, 21},
    {"Form2", "BitBtn1", "Form2", 196, 85, 25, 25},
    {"Form2", "Label3", "Form2", 4, 121, kByText, kByText},
    {"Form2", "PassEdit", "Form2", 68, 117, 37, 21},
    {"Form2", "Memo1", "Form2", 4, 166, 217, 101},
    {"Form2", "Button2", "Form2", 232, 239, 55, 25},
    {"Form2", "Button1", "Form2", 312, 239, 61, 25},
    // Results window.
    {"Form3", "Image1", "Form3", 0, 0, 449, 347},
    {"Form3", "GroupBox1", "Form3", 9, 4, 153, 98},
    {"Form3", "GroupBox2", "Form3", 172, 4, 153, 98},
    {"Form3", "GroupBox3", "Form3", 9, 105, 153, 93},
    {"Form3", "GroupBox4", "Form3", 172, 105, 153, 93},
    {"Form3", "Button1", "Form3", 356, 46, 61, 29},
    {"Form3", "Button2", "Form3", 356, 90, 61, 29},
    {"Form3", "Button3", "Form3", 356, 134, 61, 29},
    {"Form3", "Panel1", "Form3", 35, 203, 380, 29},
    {"Form3", "CurTest", "Panel1", 9, 8, 173, 13},
    {"Form3", "Progress", "Panel1", 186, 8, 187, 13},
    {"Form3", "mindex", "Form3", 10, 199, kByText, kByText},
    {"Form3", "aindex", "Form3", 10, 217, kByText, kByText},
    {"Form3", "drvspeed", "Form3", 229, 199, kByText, kByText},
    {"Form3", "drvtype", "Form3", 229, 217, kByText, kByText},
    {"Form3", "Memo1", "Form3", 9, 236, 429, 106},
    {"Form3", "Font1", "Form3", 216, 159, kByText, kByText},
    {"Form3", "Font2", "Form3", 280, 159, kByText, kByText},
    {"Form3", "Font3", "Form3", 340, 152, kByText, kByText},
    {"Form3", "cpu", "Form3", 347, 17, kByText, kByText},
    {"Form3", "Label1", "GroupBox4", 15, 57, kByText, kByText},
    {"Form3", "Label2", "GroupBox4", 15, 69, kByText, kByText},
    // User information dialog.
    {"Form4", "Label1", "Form4", 4, 8, 157, 13},
    {"Form4", "Edit1", "Form4", 4, 24, 385, 21},
    {"Form4", "Label2", "Form4", 4, 48, 360, 13},
    {"Form4", "Edit2", "Form4", 4, 64, 385, 21},
    {"Form4", "Label3", "Form4", 4, 88, 236, 13},
    {"Form4", "Edit3", "Form4", 4, 104, 385, 21},
    {"Form4", "Button1", "Form4", 160, 128, 75, 25},
};

// The test lines of the results window's groups: name labels end between x = 83 and 86,
// values start at x = 92.
struct TestLinePlacement {
  const char* group;
  const char* name;
  const char* value;
  int top;
};

inline constexpr TestLinePlacement kTestLines[] = {
    {"GroupBox1", "read16i", "read16vi", 17},   {"GroupBox1", "read2i", "read2vi", 29},
    {"GroupBox1", "read16c", "read16vc", 41},   {"GroupBox1", "read2c", "read2vc", 53},
    {"GroupBox1", "read16o", "read16vo", 64},   {"GroupBox1", "read2o", "read2vo", 76},
    {"GroupBox2", "seekfull", "seekfullv", 16}, {"GroupBox2", "seekrand", "seekrandv", 28},
    {"GroupBox2", "lat", "latv", 40},           {"GroupBox3", "cpu2x", "cpu2xv", 16},
    {"GroupBox3", "cpu4x", "cpu4xv", 28},       {"GroupBox3", "cpu6x", "cpu6xv", 40},
    {"GroupBox3", "cpu8x", "cpu8xv", 52},       {"GroupBox3", "cpu12x", "cpu12xv", 64},
    {"GroupBox3", "cpuux", "cpuuxv", 76},       {"GroupBox4", "burst2k", "burst2kv", 16},
    {"GroupBox4", "burst8k", "burst8kv", 28},   {"GroupBox4", "burst16k", "burst16kv", 40},
};

}  // namespace vantric::testing
