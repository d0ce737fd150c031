#include "forms/window_layout.h"
#include "run/test_catalogue.h"

namespace vantric {
namespace {

constexpr const char* kGroups[] = {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4"};

// Each test's line in its group: its name, right-aligned to end at x = 85, and its value.
void AddTestLines(std::vector<ControlLayout>& controls) {
  constexpr int kNameRightEdge = 85;
  constexpr int kNameWidth = 83;
  constexpr int kValueLeft = 92;
  for (const CatalogueTest& test : kTestCatalogue) {
    if (test.group == 0) continue;
    const char* group = kGroups[test.group - 1];
    controls.push_back(Control(ControlKind::kLabel, test.name_label, group,
                               kNameRightEdge - kNameWidth, test.top, kNameWidth, 13, test.text)
                           .RightAligned());
    controls.push_back(Control(ControlKind::kLabel, test.value_label, group, kValueLeft, test.top,
                               kSizedByText, kSizedByText));
  }
}

// The index and drive lines lie over the panel: they take its place when it is hidden.
ControlLayout ResultLine(const char* name, int left, int top) {
  return Control(ControlKind::kLabel, name, "", left, top, kSizedByText, kSizedByText)
      .With(FontSpec{"Arial", 13, true})
      .With(TextColour::kNavy)
      .Transparent()
      .Hidden();
}

// Never shown: carries a font of the printed report, or (cpu) a flag of the run.
ControlLayout Carrier(const char* name, int left, int top, FontSpec font) {
  return Control(ControlKind::kLabel, name, "", left, top, kSizedByText, kSizedByText, name)
      .With(font)
      .Hidden();
}

}  // namespace

const WindowLayout& ResultsWindowLayout() {
  using K = ControlKind;
  static const WindowLayout layout = [] {
    WindowLayout w{"Form3", "Vantric Pass 1/1", WindowFrame::kDialog, 449, 347, kDialogFont, {},
                   {}};
    w.controls = {
        Control(K::kPicture, "Image1", "", 0, 0, 449, 347).With(PictureKind::kEmbossedDiscMontage),
        Control(K::kGroupBox, "GroupBox1", "", 9, 4, 153, 98, "Read Tests"),
        Control(K::kGroupBox, "GroupBox2", "", 172, 4, 153, 98, "Seek/Read Tests"),
        Control(K::kGroupBox, "GroupBox3", "", 9, 105, 153, 93, "CPU Tests"),
        Control(K::kGroupBox, "GroupBox4", "", 172, 105, 153, 93, "Burst Tests"),
    };
    AddTestLines(w.controls);
    const std::vector<ControlLayout> rest = {
        Control(K::kLabel, "Label1", "GroupBox4", 15, 57, kSizedByText, kSizedByText,
                "For true burst do not use"),
        Control(K::kLabel, "Label2", "GroupBox4", 15, 69, kSizedByText, kSizedByText,
                "read-ahead or caching."),
        Control(K::kButton, "Button1", "", 356, 46, 61, 29, "Cancel").DefaultButton(),
        Control(K::kButton, "Button2", "", 356, 90, 61, 29, "Print").Hidden(),
        Control(K::kButton, "Button3", "", 356, 134, 61, 29, "Compare").Hidden(),
        Control(K::kPanel, "Panel1", "", 35, 203, 380, 29),
        Control(K::kLabel, "CurTest", "Panel1", 9, 8, 173, 13, "Current Test: "),
        Control(K::kProgressBar, "Progress", "Panel1", 186, 8, 187, 13),
        ResultLine("mindex", 10, 199),
        ResultLine("aindex", 10, 217),
        ResultLine("drvspeed", 229, 199),
        ResultLine("drvtype", 229, 217),
        Control(K::kMemo, "Memo1", "", 9, 236, 429, 106).VerticalScrollBar(),
        Carrier("Font1", 216, 159, {"Arial", 21, false, true}),
        Carrier("Font2", 280, 159, {"Arial", 19}),
        Carrier("Font3", 340, 152, {"Arial", 16}),
        Carrier("cpu", 347, 17, kDialogFont),
    };
    w.controls.insert(w.controls.end(), rest.begin(), rest.end());
    w.tab_order = {"Button1", "Button2", "Button3"};
    return w;
  }();
  return layout;
}

}  // namespace vantric
