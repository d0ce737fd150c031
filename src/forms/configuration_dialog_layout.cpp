#include "forms/window_layout.h"
#include "run/test_catalogue.h"

namespace vantric {
namespace {

constexpr const char* kExplanation =
    "CPU testing can not be performed unless the \n"
    "read 16k block test is selected.  CPU tests \n"
    "that are beyond the capabilities of the drive \n"
    "will not be performed.  User defined CPU test \n"
    "speeds must be an even number, as the \n"
    "actual testing is done in sectors per second, \n"
    "not kilobytes per second. ";

// A test's check box, named and labelled as the test's choice.
ControlLayout Choice(const char* name, const char* group, int top, int width) {
  return Control(ControlKind::kCheckBox, name, group, 8, top, width, 17, FindChoice(name).text);
}

}  // namespace

const WindowLayout& ConfigurationDialogLayout() {
  using K = ControlKind;
  static const WindowLayout layout{
      "Form2",
      "Vantric Configuration",
      WindowFrame::kDialog,
      376,
      272,
      kDialogFont,
      {
          Control(K::kGroupBox, "GroupBox1", "", 4, 9, 81, 57, "Read Tests"),
          Choice("read16", "GroupBox1", 16, 69),
          Choice("read2", "GroupBox1", 32, 61),
          Control(K::kGroupBox, "GroupBox2", "", 100, 9, 121, 57, "Seek/Read Tests"),
          Choice("seekfull", "GroupBox2", 16, 77),
          Choice("seekrand", "GroupBox2", 32, 105),
          Control(K::kGroupBox, "GroupBox3", "", 232, 9, 141, 124, "CPU Tests"),
          Choice("cpu2x", "GroupBox3", 16, 77),
          Choice("cpu4x", "GroupBox3", 32, 77),
          Choice("cpu6x", "GroupBox3", 48, 77),
          Choice("cpu8x", "GroupBox3", 64, 77),
          Choice("cpu12x", "GroupBox3", 80, 77),
          Choice("cpuuser", "GroupBox3", 99, 49),
          Control(K::kEdit, "userval", "GroupBox3", 58, 97, 53, 21),
          Control(K::kLabel, "Label1", "GroupBox3", 116, 100, kSizedByText, kSizedByText, "kps"),
          Control(K::kGroupBox, "GroupBox4", "", 232, 143, 141, 73, "Buffer Tests"),
          Choice("burst2k", "GroupBox4", 16, 65),
          Choice("burst8k", "GroupBox4", 32, 69),
          Choice("burst16k", "GroupBox4", 48, 73),
          Control(K::kLabel, "Label2", "", 4, 91, kSizedByText, kSizedByText, "Log File"),
          Control(K::kEdit, "LogEdit", "", 48, 87, 137, 21),
          Control(K::kPictureButton, "BitBtn1", "", 196, 85, 25, 25)
              .With(PictureKind::kDocumentPage),
          Control(K::kLabel, "Label3", "", 4, 121, kSizedByText, kSizedByText, "Test Passes"),
          Control(K::kEdit, "PassEdit", "", 68, 117, 37, 21),
          Control(K::kMemo, "Memo1", "", 4, 166, 217, 101, kExplanation),
          Control(K::kButton, "Button2", "", 232, 239, 55, 25, "Ok").DefaultButton(),
          Control(K::kButton, "Button1", "", 312, 239, 61, 25, "Reset"),
      },
      // Group boxes take no focus of their own, so the order runs through their contents.
      {"read16", "read2", "seekfull", "seekrand", "cpu2x", "cpu4x", "cpu6x", "cpu8x", "userval",
       "cpuuser", "cpu12x", "Button1", "Button2", "burst2k", "burst8k", "burst16k", "LogEdit",
       "BitBtn1", "PassEdit"},
  };
  return layout;
}

}  // namespace vantric
