#include "forms/window_layout.h"

namespace vantric {

const WindowLayout& MainWindowLayout() {
  using K = ControlKind;
  static const WindowLayout layout{
      "Form1",
      "Vantric 1.65 for Windows 95/NT",
      WindowFrame::kMainWindow,
      359,
      239,
      kDialogFont,
      {
          Control(K::kPicture, "Image2", "", 0, 0, 359, 239).With(PictureKind::kDarkDiscMontage),
          Control(K::kLabel, "w95r", "", 15, 10, kSizedByText, kSizedByText,
                  "Win95 CDFS read ahead  is ")
              .With(FontSpec{"MS Sans Serif", 15, true})
              .With(TextColour::kWhite)
              .Transparent(),
          Control(K::kLabel, "w95c", "", 15, 27, kSizedByText, kSizedByText,
                  "Win95 CDFS cache size is ")
              .With(FontSpec{"MS Sans Serif", 13, true})
              .With(TextColour::kWhite)
              .Transparent(),
          Control(K::kLabel, "Label1", "", 15, 49, kSizedByText, kSizedByText,
                  "(See System Properties/Performance/File System/CD-ROM)")
              .With(TextColour::kWhite)
              .Transparent(),
          Control(K::kButton, "testbt", "", 29, 107, 75, 25, "Run Test")
              .With(TextColour::kNavy)
              .DefaultButton(),
          Control(K::kButton, "confbt", "", 136, 107, 75, 25, "Configure"),
          Control(K::kButton, "resultsbt", "", 243, 107, 75, 25, "View Results").Disabled(),
      },
      {"testbt", "confbt", "resultsbt"},
  };
  return layout;
}

}  // namespace vantric
