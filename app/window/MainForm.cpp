// The main window: its construction, menus, handler bindings, render lock and what the rendering job needs of it.
#include "MainForm.h"

#include "Anchors.h"
#include "BorderOnly.h"
#include "Codes.h"
#include "Color.h"
#include "ErrorBox.h"
#include "Exception.h"
#include "FormDefinition.h"
#include "FormatList.h"
#include "InfoBox.h"
#include "Pump.h"
#include "QtText.h"
#include "RTFLine.h"
#include "RichEdit.h"
#include "ui_MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <string>

TForm1* Form1 = nullptr;

namespace {

using ActionField = QAction* TForm1::*;

struct MenuItem {
    const char* name;
    const char* caption; // "-" is a separator
    ActionField field;
};

constexpr std::array<MenuItem, 5> RTFPopupItems{{
    {"LightBackground1", "Light Background", &TForm1::LightBackground1},
    {"DarkBackground1", "Dark Background", &TForm1::DarkBackground1},
    {"Font1", "Font", &TForm1::Font1},
    {"N3", "-", &TForm1::N3},
    {"Info1", "Info", &TForm1::Info1},
}};

// The edit menu: the style items, the sixteen colour items, the tail.
constexpr std::array<MenuItem, 5> EditPopupHead{{
    {"Bold1", "Bold", &TForm1::Bold1},
    {"Underline1", "Underline", &TForm1::Underline1},
    {"Italic1", "Italic", &TForm1::Italic1},
    {"Strikeout1", "Strikeout", &TForm1::Strikeout1},
    {"N1", "-", &TForm1::N1},
}};

// The colour items, one per row of the colour table, whose captions they show.
struct ColorItem {
    const char* name;
    ActionField field;
    void (TForm1::*handler)(TObject*);
};
#define TINTLINE_COLOR_ITEM(item) ColorItem{#item, &TForm1::item, &TForm1::item##Click},
constexpr std::array ColorItems{TINTLINE_COLOR_COMMANDS(TINTLINE_COLOR_ITEM)};
#undef TINTLINE_COLOR_ITEM
static_assert(ColorItems.size() == ColorTable.size());

constexpr std::array<MenuItem, 3> EditPopupTail{{
    {"N2", "-", &TForm1::N2},
    {"NoColor1", "No Color", &TForm1::NoColor1},
    {"NoStyle1", "No Style", &TForm1::NoStyle1},
}};

struct ClickBinding {
    const char* component;
    void (TForm1::*handler)(TObject*);
};

// The click handlers but the colour commands'.
constexpr std::array<ClickBinding, 13> ClickBindings{{
    {"Button1", &TForm1::Button1Click},
    {"Button2", &TForm1::Button2Click},
    {"LightBackground1", &TForm1::LightBackground1Click},
    {"DarkBackground1", &TForm1::DarkBackground1Click},
    {"ToggleCheck", &TForm1::ToggleCheckClick},
    {"Bold1", &TForm1::Bold1Click},
    {"Underline1", &TForm1::Underline1Click},
    {"Italic1", &TForm1::Italic1Click},
    {"Strikeout1", &TForm1::Strikeout1Click},
    {"NoColor1", &TForm1::NoColor1Click},
    {"NoStyle1", &TForm1::NoStyle1Click},
    {"Info1", &TForm1::Info1Click},
    {"Font1", &TForm1::Font1Click},
}};

QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setSeparator(std::string_view(caption) == "-");
    return action;
}

// A context menu replaces the control's standard one.
void AttachContextMenu(QWidget* control, QMenu* menu)
{
    QObject::connect(control, &QWidget::customContextMenuRequested, menu,
                     [control, menu](const QPoint& at) { menu->popup(control->mapToGlobal(at)); });
}

} // namespace

TForm1::TForm1(QWidget* Owner) : QWidget(Owner), ui_(std::make_unique<Ui::TForm1>())
{
    // 1. The window definition: components, properties, handlers.
    ui_->setupUi(this);
    IRCEdit = ui_->IRCEdit;
    Button1 = ui_->Button1;
    Label1 = ui_->Label1;
    ResultMemo = ui_->ResultMemo;
    TestRTF = ui_->TestRTF;
    Button2 = ui_->Button2;
    Label2 = ui_->Label2;
    Label3 = ui_->Label3;
    ToggleCheck = ui_->ToggleCheck;
    BuildMenus();
    FontDialog1 = new TFontDialog(this);
    FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
    FontDialog1->Font.Name = QStringLiteral("Tahoma");
    FontDialog1->Font.Height = -11;
    FontDialog1->Font.Size = SizeFromHeight(-11);
    ApplyFontHeights(this);
    FitLabels(this);
    ApplyBorderOnly(this);
    new TAnchors(this);
    memo_ = std::make_unique<TMemoLines>(*ResultMemo);
    infoBox_ = &ShowInfoBox;
    windowPump_ = QtSliceEventPump();
    BindHandlers();

    // What the window definition does not hold, in this order: the markers
    // empty, the Format List, the dark preview with its white font, AutoColor
    // off, then the markers the renderer splits a line at.
    NBL = UnicodeString();
    NBR = UnicodeString();
    TBL = UnicodeString();
    TBR = UnicodeString();
    str = std::make_unique<TStringList>();
    DarkBack = 0x400000;
    TestRTF->SetColor(ColorFromTColor(DarkBack));
    TestRTF->SetFontColor(ColorFromTColor(0xFFFFFF));
    colortype = false;
    NBL = UnicodeString(char16_t(0x2022)); // the bullet
    NBR = ">";
}

TForm1::~TForm1() = default;

void TForm1::BuildMenus()
{
    RTFPopup = new QMenu(this);
    RTFPopup->setObjectName(QStringLiteral("RTFPopup"));
    for (const MenuItem& item : RTFPopupItems)
        this->*item.field = AddMenuItem(RTFPopup, item.name, item.caption);

    EditPopup = new QMenu(this);
    EditPopup->setObjectName(QStringLiteral("EditPopup"));
    for (const MenuItem& item : EditPopupHead)
        this->*item.field = AddMenuItem(EditPopup, item.name, item.caption);
    for (std::size_t i = 0; i < ColorItems.size(); ++i)
        this->*ColorItems[i].field = AddMenuItem(EditPopup, ColorItems[i].name, ColorTable[i].caption);
    for (const MenuItem& item : EditPopupTail)
        this->*item.field = AddMenuItem(EditPopup, item.name, item.caption);

    AttachContextMenu(IRCEdit, EditPopup);
    AttachContextMenu(TestRTF, RTFPopup);
}

void TForm1::BindHandlers()
{
    for (const ClickBinding& binding : ClickBindings)
        Bind(binding.component, binding.handler);
    for (const ColorItem& item : ColorItems)
        Bind(item.name, item.handler);
}

void TForm1::Bind(const char* name, void (TForm1::*handler)(TObject*))
{
    QObject* component = findChild<QObject*>(QString::fromLatin1(name));
    if (!component)
        throw Exception(std::string("The window has no component ") + name);
    // An exception that leaves a handler is reported; the window goes on.
    auto run = [this, handler, component] { RunGuarded([&] { (this->*handler)(component); }); };
    if (auto* box = qobject_cast<QCheckBox*>(component))
        connect(box, &QCheckBox::toggled, this, run); // every change of state
    else if (auto* button = qobject_cast<QAbstractButton*>(component))
        connect(button, &QAbstractButton::clicked, this, run);
    else if (auto* action = qobject_cast<QAction*>(component))
        connect(action, &QAction::triggered, this, run);
    else
        throw Exception(std::string("The component cannot be clicked: ") + name);
}

UnicodeString TForm1::EditText() const { return FromQString(IRCEdit->text()); }

void TForm1::SetEditText(const UnicodeString& text) { IRCEdit->setText(ToQString(text)); }

void TForm1::UpdateFormatList(int pos, int length) { ::UpdateFormatList(*str, pos, length); }

// The scan asks for this only when the list was empty as it began: every
// entry is its own, written at an earlier deletion point, and those never go
// back, so none starts after pos and each converts. That holds while nothing
// else writes str during the scan: a "Line" click at one of its pumps is
// refused (rendering_). ScanSameAsLiteralTest counts the skips that would
// have moved an entry.
void TForm1::UpdateFormatListNoneMoved(int /*pos*/, int /*length*/) { ::UpdateFormatListNoneMoved(*str); }

void TForm1::RunRenderJob(const UnicodeString& line)
{
    // The job lives for this click only, also when an exception leaves it.
    TRTFLine Sync(*this, line);
    Sync.DoSynchronize();
}

TForm1::RenderLock::RenderLock(TForm1& form) : form_(form), focus_(form.focusWidget())
{
    form_.rendering_ = true;
    // A disabled button would hand the keyboard on to the next control,
    // where a key meant for the button would tick AutoColor or type into
    // a field: the window itself holds it, and keys go nowhere until the
    // user picks a control.
    if (focus_ == form_.Button1 || focus_ == form_.Button2)
        form_.setFocus(Qt::OtherFocusReason);
    form_.Button1->setEnabled(false);
    form_.Button2->setEnabled(false);
    handedOn_ = form_.focusWidget();
    // The window stays usable while it works: the arrow with the hourglass.
    QApplication::setOverrideCursor(Qt::BusyCursor);
}

TForm1::RenderLock::~RenderLock()
{
    QApplication::restoreOverrideCursor();
    form_.Button1->setEnabled(true);
    form_.Button2->setEnabled(true);
    if (focus_ && focus_ != handedOn_ && form_.focusWidget() == handedOn_)
        focus_->setFocus(Qt::OtherFocusReason);
    form_.rendering_ = false;
}

void TForm1::MemoAdd(const UnicodeString& line) { memo_->Add(line); }

void TForm1::MemoAddStrings(const TStrings& lines) { memo_->AddStrings(lines.Items(), WindowPump(TWindowStep::Log)); }

TRichEdit& TForm1::Preview() { return *TestRTF; }

TStrings& TForm1::FormatList() { return *str; }

bool TForm1::ColorType() const { return colortype; }

UnicodeString TForm1::LeadMarker() const { return NBL; }

UnicodeString TForm1::BracketMarker() const { return NBR; }

void TForm1::ProcessWindowEvents(TRenderStep step)
{
    switch (step) {
    case TRenderStep::ApplyLoop: ProcessWindowEvents(TWindowStep::ApplyLoop); break;
    case TRenderStep::BeforeLayout: ProcessWindowEvents(TWindowStep::BeforeLayout); break;
    case TRenderStep::BetweenLayouts: ProcessWindowEvents(TWindowStep::BetweenLayouts); break;
    case TRenderStep::AfterLayout: ProcessWindowEvents(TWindowStep::AfterLayout); break;
    case TRenderStep::AfterFont: ProcessWindowEvents(TWindowStep::AfterFont); break;
    case TRenderStep::Shown: ProcessWindowEvents(TWindowStep::Shown); break;
    }
}

void TForm1::ProcessWindowEvents(TWindowStep step)
{
    if (windowPumpHook_) {
        windowPumpHook_(step);
        return;
    }
    switch (step) {
    case TWindowStep::Listing:
    case TWindowStep::Log:
    case TWindowStep::ApplyLoop: windowPump_(); break;
    // Each between two long steps, or one line apart: a paint posted just
    // after the last pump is handled now, not after the next step.
    case TWindowStep::BeforeLayout:
    case TWindowStep::BetweenLayouts:
    case TWindowStep::AfterLayout:
    case TWindowStep::AfterFont:
    case TWindowStep::Shown:
    case TWindowStep::MemoCatchUp: ProcessEventsNow(); break;
    }
}

std::function<void()> TForm1::WindowPump(TWindowStep step)
{
    return [this, step] { ProcessWindowEvents(step); };
}

void TForm1::SetWindowPumpHook(TWindowPumpHook hook) { windowPumpHook_ = std::move(hook); }

void TForm1::SetInfoBox(TInfoBox box) { infoBox_ = box ? std::move(box) : TInfoBox(&ShowInfoBox); }
