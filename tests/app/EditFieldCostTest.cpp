// What the edit field of the window as start-up builds it costs on a long
// line, counted rather than timed: a repaint draws the text that shows, not
// the line, in every state of the line; and beside the line edit's own
// layout the field keeps no second one.
#include "AppTestSupport.h"
#include "EditField.h"

#include <QInputMethodEvent>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPushButton>
#include <QTextCharFormat>

#include <malloc.h>

#include <functional>
#include <memory>

using namespace at;

namespace {

using Action = std::function<void(QLineEdit&)>;

// A paint engine that draws nothing and counts the units of text it is
// given to draw.
class CountingEngine : public QPaintEngine {
public:
    CountingEngine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawRects(const QRectF*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { units += item.text().size(); }
    Type type() const override { return User; }

    qsizetype units = 0;
};

class CountingDevice : public QPaintDevice {
public:
    explicit CountingDevice(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    qsizetype Units() const { return engine_.units; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmWidthMM: return size_.width() * 254 / 960;
        case PdmHeightMM: return size_.height() * 254 / 960;
        case PdmNumColors: return INT_MAX;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        // Those of later Qt versions, the device pixel ratio as a real among them.
        default: return QPaintDevice::metric(metric);
        }
    }

private:
    QSize size_;
    mutable CountingEngine engine_;
};

QString Repeated(const QString& piece, int length)
{
    QString line;
    while (line.size() < length)
        line += piece;
    return line;
}

const int Long = 1 << 18;

QString Words() { return Repeated(QStringLiteral("plain words, and more of them "), Long); }

QString WithRightToLeft()
{
    QString line = Words();
    line[line.size() / 2] = QChar(0x05D0);
    return line;
}

QString Alternating() { return Repeated(QString::fromUtf16(u"a\u05D0"), Long); }

QString Embedded()
{
    return Repeated(QString::fromUtf16(u"left \u202Bembedded \u05D0\u05D1 \u202Adeeper\u202C\u202C \u2067iso\u2069 "),
                    Long);
}

QString EveryUnit()
{
    QString line;
    for (int unit = 0; unit <= 0xFFFF; ++unit)
        line += QChar(char16_t(unit));
    return line;
}

Action Middle()
{
    return [](QLineEdit& e) { e.setCursorPosition(e.text().size() / 2); };
}

Action AllSelected()
{
    return [](QLineEdit& e) { e.selectAll(); };
}

} // namespace

Q_DECLARE_METATYPE(Action)

class EditFieldCostTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void repaintDrawsWhatShows_data();
    void repaintDrawsWhatShows();
    void keepsNoSecondLayout();

private:
    TForm1& Form() { return window_->Form(); }
    QLineEdit& Field() { return *Form().IRCEdit; }

    std::unique_ptr<StartedWindow> window_;
};

void EditFieldCostTest::initTestCase()
{
    if (!TEditField::DrawsLongLines())
        QSKIP("this build leaves the edit field's paint to the line edit (a Qt its own paint is not checked "
              "against, or TINTLINE_QT_PRIVATE=OFF), which draws the whole line at every repaint");
    window_ = std::make_unique<StartedWindow>();
    QVERIFY(window_->ShowActive());
    QVERIFY(qobject_cast<TEditField*>(&Field()));
}

void EditFieldCostTest::repaintDrawsWhatShows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Action>("act");
    QTest::newRow("plain, caret at the end") << Words() << Action([](QLineEdit&) {});
    QTest::newRow("plain, caret in the middle") << Words() << Middle();
    QTest::newRow("one right-to-left letter") << WithRightToLeft() << Middle();
    QTest::newRow("all selected") << Words() << AllSelected();
    QTest::newRow("one right-to-left letter, all selected") << WithRightToLeft() << AllSelected();
    QTest::newRow("selected across a change of direction")
        << WithRightToLeft() << Action([](QLineEdit& e) { e.setSelection(e.text().size() / 2 - 20, 40); });
    const Action compose = [](QLineEdit& e) {
        e.setCursorPosition(e.text().size() / 2);
        QTextCharFormat underline;
        underline.setFontUnderline(true);
        QInputMethodEvent composition(QStringLiteral("kana"), {{QInputMethodEvent::TextFormat, 0, 4, underline}});
        QCoreApplication::sendEvent(&e, &composition);
    };
    QTest::newRow("a composition in the middle") << Words() << compose;
    QTest::newRow("a composition among tabs") << Repeated(QStringLiteral("tab\tstop "), Long) << compose;
    QTest::newRow("laid out right to left") << Words() << Action([](QLineEdit& e) {
        e.setLayoutDirection(Qt::RightToLeft);
        e.setCursorPosition(e.text().size() / 3);
    });
    QTest::newRow("alternating directions, all selected") << Alternating() << AllSelected();
    QTest::newRow("embeddings, all selected") << Embedded() << AllSelected();
    QTest::newRow("every code unit, all selected") << EveryUnit() << AllSelected();
}

void EditFieldCostTest::repaintDrawsWhatShows()
{
    QFETCH(QString, text);
    QFETCH(Action, act);
    Field().setFocus(Qt::OtherFocusReason);
    Field().setText(text);
    act(Field());
    QCoreApplication::processEvents();
    CountingDevice device(Field().size());
    Field().render(&device);
    Field().unsetLayoutDirection();
    Field().clear();
    // Qt's items hold at most 4096 units: the view and the ink beyond its
    // edges reach into a few of them, each drawn twice under a selection.
    QVERIFY2(device.Units() <= 8 * TEditField::OwnDrawingFrom,
             qPrintable(QStringLiteral("%1 units drawn of a line of %2").arg(device.Units()).arg(text.size())));
}

void EditFieldCostTest::keepsNoSecondLayout()
{
    const QString line = Words();
    // What the heap holds more once edit shows the line, a key typed in it.
    const auto grown = [&](QLineEdit& edit) {
        edit.setFocus(Qt::OtherFocusReason);
        edit.clear();
        edit.grab();
        const qint64 before = qint64(mallinfo2().uordblks);
        edit.setText(line);
        edit.setCursorPosition(line.size() / 2);
        edit.grab();
        QTest::keyClick(&edit, Qt::Key_X);
        edit.grab();
        return qint64(mallinfo2().uordblks) - before;
    };
    QLineEdit plain(&Form());
    plain.setGeometry(Field().geometry());
    plain.setMaxLength(Field().maxLength());
    plain.setFont(Field().font());
    plain.show();
    const qint64 plainGrowth = grown(plain);
    if (plainGrowth <= 0)
        QSKIP("this allocator gives no figures of the heap in use");
    const qint64 fieldGrowth = grown(Field());
    Field().clear();
    QVERIFY2(fieldGrowth - plainGrowth < plainGrowth / 20,
             qPrintable(QStringLiteral("the field holds %1 bytes more than the line edit's %2")
                            .arg(fieldGrowth - plainGrowth)
                            .arg(plainGrowth)));
}

QTEST_MAIN(EditFieldCostTest)
#include "EditFieldCostTest.moc"
