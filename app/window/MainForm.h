#pragma once
// The main window: the edit field, the "Char" and "Line" buttons, the
// result memo, the preview, the AutoColor check box, both context menus
// and the font dialog, with the click handlers and the Format List.
#include "ColorCommands.h"
#include "FontDialog.h"
#include "MemoLines.h"
#include "RenderView.h"
#include "StringList.h"
#include "UnicodeString.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class TRichEdit;
namespace Ui {
class TForm1;
}

using TObject = QObject;

// Where a "Line" click stands when the window lets its events in: its own
// long steps and the render's. The window's pump is the same at each; the
// step is for a hook that runs something at a chosen one (the tests do).
enum class TWindowStep {
    Listing,        // the character listing
    Log,            // the Format List written into the memo
    ApplyLoop,      // the render's: the runs of the Format List coloured
    BeforeLayout,   // the render's: the preview's new line coloured, about to be laid out
    BetweenLayouts, // the render's: the line above it laid out again, the new line about to be
    AfterLayout,    // the render's: the preview's new line laid out
    AfterFont,      // the render's: a font chosen while the line was coloured taken
    Shown,          // the render's: the preview given back its painting, the caret placed
    MemoCatchUp,    // the memo's view catching up after the render
};

class TForm1 : public QWidget, public TRenderView {
    Q_OBJECT
public:
    explicit TForm1(QWidget* Owner = nullptr);
    ~TForm1() override;

    // Components, owned by the window.
    QLineEdit* IRCEdit = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* ResultMemo = nullptr;
    TRichEdit* TestRTF = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QMenu* RTFPopup = nullptr;
    QAction* LightBackground1 = nullptr;
    QAction* DarkBackground1 = nullptr;
    QCheckBox* ToggleCheck = nullptr;
    QMenu* EditPopup = nullptr;
    QAction* Bold1 = nullptr;
    QAction* Underline1 = nullptr;
    QAction* Italic1 = nullptr;
    QAction* Strikeout1 = nullptr;
    QAction* N1 = nullptr;
    // White1 .. LightGray1, the sixteen colour commands.
#define TINTLINE_COLOR_FIELD(item) QAction* item = nullptr;
    TINTLINE_COLOR_COMMANDS(TINTLINE_COLOR_FIELD)
#undef TINTLINE_COLOR_FIELD
    QAction* N2 = nullptr;
    QAction* NoColor1 = nullptr;
    QAction* NoStyle1 = nullptr;
    QAction* N3 = nullptr;
    QAction* Info1 = nullptr;
    QAction* Font1 = nullptr;
    TFontDialog* FontDialog1 = nullptr;

    // Click handlers, bound by component name.
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void LightBackground1Click(TObject* Sender);
    void DarkBackground1Click(TObject* Sender);
    void ToggleCheckClick(TObject* Sender);
    void Bold1Click(TObject* Sender);
    void Underline1Click(TObject* Sender);
    void Italic1Click(TObject* Sender);
    void Strikeout1Click(TObject* Sender);
    // White1Click .. LightGray1Click.
#define TINTLINE_COLOR_HANDLER(item) void item##Click(TObject* Sender);
    TINTLINE_COLOR_COMMANDS(TINTLINE_COLOR_HANDLER)
#undef TINTLINE_COLOR_HANDLER
    void NoColor1Click(TObject* Sender);
    void NoStyle1Click(TObject* Sender);
    void Info1Click(TObject* Sender);
    void Font1Click(TObject* Sender);

    // Further fields.
    bool colortype = false;
    UnicodeString NBL;
    UnicodeString NBR;
    UnicodeString TBL;
    UnicodeString TBR;
    TColor DarkBack = 0;
    std::unique_ptr<TStrings> str;

    void UpdateFormatList(int pos, int length) override;
    void UpdateFormatListNoneMoved(int pos, int length) override;
    static UnicodeString CheckChar(UnicodeString Input);
    static UnicodeString KeyDecodeBinary(UnicodeString AString);
    static UnicodeString KeyDecodeHex(UnicodeString AString);
    static UnicodeString KeyDecodeDecimal(UnicodeString AString);
    // One line of the character listing appended to out, made without a
    // text per part: a pasted line can have a million of them.
    static void AppendListingLine(std::u16string& out, int position, char16_t unit);

    // What the rendering job needs of the window.
    void MemoAdd(const UnicodeString& line) override;
    void MemoAddStrings(const TStrings& lines) override;
    TRichEdit& Preview() override;
    TStrings& FormatList() override;
    bool ColorType() const override;
    UnicodeString LeadMarker() const override;
    UnicodeString BracketMarker() const override;
    void ProcessWindowEvents(TRenderStep step) override;

    // The memo's lines as the program wrote them.
    const TMemoLines& MemoLines() const { return *memo_; }

    // Replaces what the window does between the slices of a render's long
    // steps (tests run commands there); an empty hook brings back the
    // window's own, which lets Qt handle events every few milliseconds.
    using TWindowPumpHook = std::function<void(TWindowStep step)>;
    void SetWindowPumpHook(TWindowPumpHook hook);

    // Replaces the info box (tests record the text instead).
    using TInfoBox = std::function<void(const QString& text)>;
    void SetInfoBox(TInfoBox box);

private:
    void BuildMenus();
    void BindHandlers();
    void Bind(const char* name, void (TForm1::*handler)(TObject*));
    UnicodeString EditText() const;
    void SetEditText(const UnicodeString& text);
    // Puts code, then digits behind it, at the edit field's caret.
    void InsertCode(char16_t code, const UnicodeString& digits = {});
    // The colour command of a row of the colour table.
    void InsertColor(std::size_t row);
    // The rendering job of a "Line" click: passes, scan and preview.
    void RunRenderJob(const UnicodeString& line);
    // Lets the window's events in at one step of a "Line" click.
    void ProcessWindowEvents(TWindowStep step);
    // The window's pump for one long step of a render, for the memo's slices.
    std::function<void()> WindowPump(TWindowStep step);

    // While a render runs, "Char" and "Line" are off: a click let through by
    // the render's message pumps must not clear the memo or the Format List
    // under it. Other commands stay available, under the busy cursor. The
    // keyboard that was on a button stays with the window, not the next
    // control, and the button gets it back, unless the user moved it
    // meanwhile.
    class RenderLock {
    public:
        explicit RenderLock(TForm1& form);
        ~RenderLock();
        RenderLock(const RenderLock&) = delete;
        RenderLock& operator=(const RenderLock&) = delete;

    private:
        TForm1& form_;
        QPointer<QWidget> focus_;
        QPointer<QWidget> handedOn_;
    };
    bool rendering_ = false;

    std::unique_ptr<Ui::TForm1> ui_;
    std::unique_ptr<TMemoLines> memo_;
    TInfoBox infoBox_;
    std::function<void()> windowPump_;
    TWindowPumpHook windowPumpHook_;
};

// The one main window.
extern TForm1* Form1;
