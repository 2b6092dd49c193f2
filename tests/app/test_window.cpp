// The main window: its layout, its handlers and the order in which they draw
// and print, driven the way the user drives them.
#include "aboutbox.h"
#include "app_test_support.h"
#include "choicebox.h"
#include "focus_shows.h"
#include "grid_sheets.h"
#include "gridora_version.h"
#include "kinds.h"
#include "licenseform.h"
#include "image_surface.h"
#include "painter_surface.h"
#include "qprinter_target.h"
#include "spacetime_sheets.h"
#include "startup.h"
#include "test_language.h"
#include "trace_lines.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QWheelEvent>

using namespace gridora;
using namespace gridora::app;

namespace {

/// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace
using namespace gridora::app::test;

namespace {

constexpr int kW = 357;
constexpr int kH = 397;

QImage gridReference(int kind, int size)
{
    ImageSurface surface(kW, kH);
    TCanvas canvas(&surface);
    gridpaper::drawGridSample(canvas, kW, kH, kind, size);
    return surface.image().copy();
}

QImage spacetimeReference(int position, QSize window)
{
    ImageSurface surface(kW, kH);
    TCanvas canvas(&surface);
    spacetime::drawSpacetimeSample(canvas, kW, kH, position, window.width(), window.height());
    return surface.image().copy();
}

// Everything but the frame the clearing rectangle leaves, which depends on
// the previous drawing.
bool sameInside(const QImage &a, const QImage &b)
{
    const QRect inside(2, 2, kW - 4, kH - 4);
    return a.copy(inside) == b.copy(inside);
}

bool black(const QImage &image, int x, int y)
{
    return (image.pixel(x, y) & 0xFFFFFFu) == 0;
}

QString shownText(QWidget *widget)
{
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        return group->title();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<QComboBox *>(widget))
        return box->currentText();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    return {};
}

QStringList entries(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QRect groupTitle(QGroupBox *group)
{
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.textAlignment = group->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
}

// What must not lie under anything: a group's title, any other control whole
// (in its own coordinates, shrunk by a pixel where neighbours may touch).
QRect uncoveredPart(QWidget *control)
{
    if (auto *group = qobject_cast<QGroupBox *>(control))
        return groupTitle(group);
    return control->rect().adjusted(1, 1, -1, -1);
}

bool fitsIn(const QString &text, const QFont &font, const QRect &room)
{
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
}

// Whether the control's caption, or every entry of its list, shows whole in
// the control's own font.
bool captionFits(QWidget *control)
{
    if (auto *group = qobject_cast<QGroupBox *>(control))
        return group->rect().contains(groupTitle(group)) && fitsIn(group->title(), group->font(), groupTitle(group));
    if (auto *label = qobject_cast<QLabel *>(control))
        return fitsIn(label->text(), label->font(), label->contentsRect());
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return fitsIn(QString(button->text()).remove(QLatin1Char('&')), button->font(), room);
    }
    if (auto *box = qobject_cast<QComboBox *>(control)) {
        // A line edit keeps 2 pixels free on either side of its text.
        const QRect room = box->lineEdit()->contentsRect().adjusted(2, 0, -2, 0);
        for (const QString &entry : entries(box))
            if (!fitsIn(entry, box->lineEdit()->font(), room))
                return false;
        return true;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return fitsIn(QString(), edit->font(), edit->contentsRect()); // a line of text
    if (auto *picture = qobject_cast<CanvasPicture *>(control))
        return picture->size() == picture->picture().size();
    return true; // the velocity bar has no caption
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TPrinter> printer_;
    RecordingTarget *target_ = nullptr;
    std::unique_ptr<TestWindow> window_;

    const QImage &picture() const { return window_->samplePicture->picture(); }
    QImage spacetimeNow() const
    {
        return spacetimeReference(window_->velocityBar->value(), window_->frameGeometry().size());
    }

private slots:
    void initTestCase() { useTestLanguage(); }

    void init()
    {
        auto target = std::make_unique<RecordingTarget>();
        target_ = target.get();
        printer_ = std::make_unique<TPrinter>(std::move(target));
        window_ = std::make_unique<TestWindow>(*printer_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup()
    {
        window_.reset();
        printer_.reset();
    }

    void startsWithSquared()
    {
        TestWindow &w = *window_;
        QCOMPARE(w.windowTitle(), QStringLiteral("Choose Your Graph......"));
        QCOMPARE(w.kindBox->currentIndex(), 0);
        QCOMPARE(w.kindBox->currentText(), QStringLiteral("Squared"));
        QCOMPARE(w.sizeBox->currentIndex(), 0);
        QCOMPARE(entries(w.sizeBox), (QStringList{"10x15", "10x15", "10x15"}));
        QCOMPARE(w.sizeBox->currentText(), QStringLiteral("10x15"));
        QVERIFY(!w.spacetimeGroup->isVisible());
        QCOMPARE(w.velocityBar->value(), 60);
        QCOMPARE(w.velocityLabel->text(), QStringLiteral("v = 0.60 c"));
        QVERIFY(w.nameEdit->text().isEmpty());
        QCOMPARE(picture().size(), QSize(kW, kH));
        QVERIFY(sameInside(picture(), gridReference(0, 0)));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.sizeBox));
        QCOMPARE(target_->begun, 0);
    }

    // What each control shows when the window opens, and the group it
    // belongs to: the size box and its "Who" in the "Graph" group, the
    // velocity bar and its label in the hidden "Spacetime" group, and the
    // boxes' labels for screen readers never shown.
    void captions_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");
        QTest::newRow("graphGroup") << "client" << "Graph" << true;
        QTest::newRow("graphNameLabel") << "graphGroup" << "Who" << true;
        QTest::newRow("sizeBox") << "graphGroup" << "10x15" << true;
        QTest::newRow("sizeBoxLabel") << "graphGroup" << "Size of the graph paper" << false;
        QTest::newRow("sampleGroup") << "client" << "Graph to be Printed" << true;
        QTest::newRow("samplePicture") << "sampleGroup" << "" << true;
        QTest::newRow("spacetimeGroup") << "client" << "Spacetime" << false;
        QTest::newRow("velocityLabel") << "spacetimeGroup" << "v = 0.60 c" << false;
        QTest::newRow("spacetimeNameLabel") << "spacetimeGroup" << "Who" << false;
        QTest::newRow("velocityBar") << "spacetimeGroup" << "" << false;
        QTest::newRow("kindBox") << "client" << "Squared" << true;
        QTest::newRow("kindBoxLabel") << "client" << "Kind of graph paper" << false;
        QTest::newRow("printButton") << "client" << "&Print" << true;
        QTest::newRow("nameEdit") << "client" << "" << true;
    }

    void captions()
    {
        QFETCH(QString, parent);
        QFETCH(QString, text);
        QFETCH(bool, shown);
        auto *control = window_->findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(shownText(control), text);
        QCOMPARE(control->isVisible(), shown);
    }

    // In each kind, every control the user sees lies inside the window and
    // inside its group, nothing lies over it (for a group, over its title),
    // and its caption, or each entry of its list, fits it in its own font.
    void everyControlIsSeenWhole_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("seen");
        const QStringList always{"sampleGroup", "samplePicture", "kindBox", "printButton", "nameEdit"};
        const QStringList grid = QStringList{"graphGroup", "graphNameLabel", "sizeBox"} + always;
        QTest::newRow("Squared") << 0 << grid;
        QTest::newRow("Semi log") << 1 << grid;
        QTest::newRow("Log") << 2 << grid;
        const QStringList spacetime{"spacetimeGroup", "velocityLabel", "spacetimeNameLabel", "velocityBar"};
        QTest::newRow("Spacetime") << 3 << spacetime + always;
    }

    void everyControlIsSeenWhole()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, seen);
        TestWindow &w = *window_;
        if (kind != 0)
            pick(w.kindBox, kind);
        QWidget *client = w.centralWidget();
        for (const QString &name : std::as_const(seen)) {
            auto *control = w.findChild<QWidget *>(name);
            QVERIFY2(control && control->isVisible(), qPrintable(name));
            const QRect area(control->mapTo(client, QPoint(0, 0)), control->size());
            QVERIFY2(client->rect().contains(area), qPrintable(name));
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(name));
            // A group's title lies under nothing, not even the group's own
            // controls; a box may show its own line edit.
            const bool group = qobject_cast<QGroupBox *>(control);
            const QRect uncovered = uncoveredPart(control).translated(area.topLeft());
            for (const QPoint at : {uncovered.topLeft(), uncovered.topRight(), uncovered.bottomLeft(),
                                    uncovered.bottomRight(), uncovered.center()}) {
                QWidget *top = client->childAt(at);
                QVERIFY2(top == control || (!group && control->isAncestorOf(top)),
                         qPrintable(name + " lies under " + (top ? top->objectName() : QStringLiteral("nothing"))));
            }
            QVERIFY2(captionFits(control), qPrintable(name));
        }
    }

    void aPrintedVelocityIsWrittenInTheWindowsLanguage()
    {
        TestWindow &w = *window_;
        w.setLocale(QLocale(QLocale::German, QLocale::Germany));
        w.nameEdit->setText(QStringLiteral("Ada"));
        pick(w.kindBox, 3);
        w.printButton->click();
        QVERIFY2(target_->trace.str().find("\"Ada   v = 0,60 c\"") != std::string::npos, target_->trace.str().c_str());
    }

    void windowFrame()
    {
        TestWindow &w = *window_;
        QWidget *client = w.centralWidget();
        QCOMPARE(client->size(), QSize(383, 525));
        QCOMPARE(client->y(), w.menuBar()->geometry().bottom() + 1);
        QCOMPARE(w.minimumSize(), w.size());
        QCOMPARE(w.maximumSize(), w.size());
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(w.windowFlags() & Qt::WindowSystemMenuHint);
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QRect screen = w.screen()->availableGeometry();
        QVERIFY(qAbs(w.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(w.frameGeometry().center().y() - screen.center().y()) <= 1);

        const QColor paleYellow(0xFE, 0xFD, 0xC7);
        QVERIFY(client->autoFillBackground());
        for (QWidget *shows : std::initializer_list<QWidget *>{client, w.graphGroup, w.sampleGroup, w.spacetimeGroup,
                                                               w.graphNameLabel, w.velocityLabel})
            QCOMPARE(shows->palette().color(QPalette::Window), paleYellow);
        const QColor standard = QApplication::palette().color(QPalette::Window);
        for (QWidget *keeps :
             std::initializer_list<QWidget *>{w.kindBox, w.sizeBox, w.nameEdit, w.velocityBar, w.printButton})
            QCOMPARE(keeps->palette().color(QPalette::Window), standard);

        for (QWidget *control : client->findChildren<QWidget *>()) {
            const QFontInfo font(control->font());
            QCOMPARE(font.pixelSize(), 13);
            QVERIFY(!font.family().isEmpty());
            if (control != w.nameEdit)
                QVERIFY2(control->toolTip().isEmpty(), qPrintable(control->objectName()));
        }
        QCOMPARE(w.nameEdit->toolTip(), QStringLiteral("Prints name entered on graph paper"));
    }

    void menu()
    {
        TestWindow &w = *window_;
        QCOMPARE(w.menuBar(), w.mainMenu);
        QCOMPARE(w.mainMenu->objectName(), QStringLiteral("mainMenu"));
        const auto texts = [](const QList<QAction *> &actions) {
            QStringList list;
            for (const QAction *action : actions)
                list << (action->isSeparator() ? QStringLiteral("-") : action->text());
            return list;
        };
        QCOMPARE(texts(w.mainMenu->actions()), (QStringList{"&Graph", "&Help"}));
        QCOMPARE(texts(w.graphMenu->actions()),
                 (QStringList{"&Print", "Print &Setup", "-", "&Class Set...", "Save &as PDF...", "-", "E&xit"}));
        QCOMPARE(texts(w.helpMenu->actions()), QStringList{"&About"});
        QStringList names;
        for (const QAction *action : w.graphMenu->actions() + w.helpMenu->actions()) {
            names << action->objectName();
            QVERIFY(action->shortcuts().isEmpty());
        }
        QCOMPARE(names, (QStringList{"printAction", "printSetupAction", "", "classSetAction", "saveAsPdfAction", "",
                                     "exitAction", "aboutAction"}));
        QCOMPARE(w.graphMenu->objectName(), QStringLiteral("graphMenu"));
        QCOMPARE(w.helpMenu->objectName(), QStringLiteral("helpMenu"));
    }

    void boxesAndScrollBar()
    {
        TestWindow &w = *window_;
        QVERIFY(w.kindBox->isEditable());
        QVERIFY(w.sizeBox->isEditable());
        QCOMPARE(w.kindBox->maxVisibleItems(), w.kindBox->count()); // every kind without scrolling
        QCOMPARE(w.sizeBox->maxVisibleItems(), 3);
        QCOMPARE(w.kindBox->view()->sizeHintForRow(0), 16);
        QCOMPARE(w.sizeBox->view()->sizeHintForRow(2), 16);
        QCOMPARE(w.velocityBar->orientation(), Qt::Horizontal);
        QCOMPARE(w.velocityBar->minimum(), 0);
        QCOMPARE(w.velocityBar->maximum(), 90);
        QCOMPARE(w.velocityBar->singleStep(), 1);
        QCOMPARE(w.velocityBar->pageStep(), 10);
        QVERIFY(w.velocityBar->focusPolicy() & Qt::TabFocus);
    }

    // Tab and Shift+Tab walk the window round once from the kind box: each
    // stop is a control that can be seen and that a screen reader can name.
    // In "Spacetime" the size box lies hidden under the group and is no stop.
    void focusWalk_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("names");
        const QString size = QStringLiteral("Size of the graph paper");
        const QString kind = QStringLiteral("Kind of graph paper");
        const QString velocity = QStringLiteral("Velocity of the moving frame");
        const QString print = QStringLiteral("Print");
        const QString who = QStringLiteral("Who");
        QTest::newRow("Squared, Tab") << 0 << false << QStringList{kind, print, who, size};
        QTest::newRow("Squared, Shift+Tab") << 0 << true << QStringList{kind, size, who, print};
        QTest::newRow("Spacetime, Tab") << 3 << false << QStringList{kind, velocity, print, who};
        QTest::newRow("Spacetime, Shift+Tab") << 3 << true << QStringList{kind, who, print, velocity};
    }

    void focusWalk()
    {
        QFETCH(int, kind);
        QFETCH(bool, backwards);
        QFETCH(QStringList, names);
        TestWindow &w = *window_;
        if (kind != 0)
            pick(w.kindBox, kind);
        w.kindBox->setFocus();
        QStringList announced;
        for (QWidget *at = QApplication::focusWidget(); at && announced.size() <= names.size();) {
            QVERIFY2(at->isVisible(), qPrintable(at->objectName()));
            QAccessibleInterface *control = QAccessible::queryAccessibleInterface(at);
            QVERIFY2(control && !control->text(QAccessible::Name).isEmpty(), qPrintable(at->objectName()));
            announced << at->accessibleName();
            QTest::keyClick(at, backwards ? Qt::Key_Backtab : Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
            at = QApplication::focusWidget();
            if (at == w.kindBox)
                break;
        }
        QCOMPARE(announced, names);
    }

    // The keyboard user sees which control the keys go to.
    void focusShows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("control");
        QTest::newRow("kind box") << 0 << QStringLiteral("kindBox");
        QTest::newRow("size box") << 0 << QStringLiteral("sizeBox");
        QTest::newRow("velocity bar") << 3 << QStringLiteral("velocityBar");
        QTest::newRow("Print button") << 0 << QStringLiteral("printButton");
        QTest::newRow("name box") << 0 << QStringLiteral("nameEdit");
    }

    void focusShows()
    {
        QFETCH(int, kind);
        QFETCH(QString, control);
        TestWindow &w = *window_;
        if (kind != 0)
            pick(w.kindBox, kind);
        auto *shown = w.findChild<QWidget *>(control);
        QVERIFY(shown);
        checkFocusShows(shown);
    }

    // Without the focus the velocity bar is the desktop's own scroll bar.
    void velocityBarLooksPlainWithoutFocus()
    {
        TestWindow &w = *window_;
        pick(w.kindBox, 3);
        QVERIFY(!w.velocityBar->hasFocus());
        QScrollBar plain(Qt::Horizontal, w.spacetimeGroup);
        plain.setGeometry(w.velocityBar->geometry());
        plain.setRange(w.velocityBar->minimum(), w.velocityBar->maximum());
        plain.setPageStep(w.velocityBar->pageStep());
        plain.setValue(w.velocityBar->value());
        plain.setPalette(w.velocityBar->palette());
        plain.show();
        QCOMPARE(w.velocityBar->grab().toImage(), plain.grab().toImage());
    }

    void velocityIsAnnouncedAsItMoves()
    {
        TestWindow &w = *window_;
        pick(w.kindBox, 3);
        w.velocityBar->setFocus();
        QTest::keyClick(w.velocityBar, Qt::Key_Left);
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(w.velocityBar);
        QVERIFY(bar && bar->valueInterface());
        // The velocity itself, not the bar's position.
        QCOMPARE(bar->valueInterface()->currentValue().toDouble(), 0.59);
        QCOMPARE(bar->valueInterface()->maximumValue().toDouble(), 0.90);
        QCOMPARE(bar->text(QAccessible::Value), QStringLiteral("0.59 c"));
        QCOMPARE(bar->text(QAccessible::Description), QStringLiteral("v = 0.59 c"));
        // Moved by assistive technology, the bar moves as under the user's hand.
        bar->valueInterface()->setCurrentValue(0.07);
        QCOMPARE(w.velocityBar->value(), 7);
        QCOMPARE(w.velocityLabel->text(), QStringLiteral("v = 0.07 c"));
        QCOMPARE(picture(), spacetimeNow());
        QCOMPARE(QAccessible::queryAccessibleInterface(w.nameEdit)->text(QAccessible::Description),
                 QStringLiteral("Prints name entered on graph paper"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.samplePicture)->text(QAccessible::Name),
                 QStringLiteral("Sample of the graph paper"));
    }

    // The sample is heard as a picture that says what it shows, whatever the
    // user last changed: each row comes from another kind first.
    void sampleSaysWhatItShows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("faster"); // presses of Right on the velocity bar
        QTest::addColumn<QString>("description");
        QTest::newRow("Squared") << 0 << 0 << 0 << QStringLiteral("Sample of Squared paper, 10x15");
        QTest::newRow("Semi log, 2nd size") << 1 << 1 << 0 << QStringLiteral("Sample of Semi log paper, 10x2 cycle");
        QTest::newRow("Log, 3rd size") << 2 << 2 << 0 << QStringLiteral("Sample of Log paper, 3x3");
        QTest::newRow("Spacetime") << 3 << 0 << 0 << QStringLiteral("Sample of Spacetime paper, v = 0.60 c");
        QTest::newRow("Spacetime, faster") << 3 << 0 << 1 << QStringLiteral("Sample of Spacetime paper, v = 0.61 c");
        QTest::newRow("Millimetre") << 4 << 0 << 0 << QStringLiteral("Sample of Millimetre paper");
    }

    void sampleSaysWhatItShows()
    {
        QFETCH(int, kind);
        QFETCH(int, size);
        QFETCH(int, faster);
        QFETCH(QString, description);
        TestWindow &w = *window_;
        pick(w.kindBox, kind == 4 ? 0 : 4);
        pick(w.kindBox, kind);
        if (size != 0)
            pick(w.sizeBox, size);
        w.velocityBar->setFocus();
        for (int i = 0; i < faster; ++i)
            QTest::keyClick(w.velocityBar, Qt::Key_Right);
        QAccessibleInterface *sample = QAccessible::queryAccessibleInterface(w.samplePicture);
        QVERIFY(sample);
        QCOMPARE(sample->role(), QAccessible::Graphic);
        QCOMPARE(sample->text(QAccessible::Name), QStringLiteral("Sample of the graph paper"));
        QCOMPARE(sample->text(QAccessible::Description), description);
    }

    // The kind box holds the table's kinds and no other, and each kind shows
    // the controls the table gives it.
    void kindBoxHoldsTheTableOfKinds()
    {
        TestWindow &w = *window_;
        QStringList names;
        for (const kinds::Kind &kind : kinds::all())
            names << QString::fromUtf8(kind.name.data(), static_cast<qsizetype>(kind.name.size()));
        QCOMPARE(entries(w.kindBox), names);
        for (int k = 0; k < w.kindBox->count(); ++k) {
            pick(w.kindBox, k);
            QCOMPARE(w.spacetimeGroup->isVisible(), kinds::kindAt(k).hasVelocity);
            QCOMPARE(w.sizeBox->isVisible(), kinds::kindAt(k).hasSizes);
        }
    }

    void kindChange_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("sizes");
        // Each starts from size choice 2 of the previous kind.
        QTest::newRow("Log to Squared") << 2 << 0 << QStringList{"10x15", "10x15", "10x15"};
        QTest::newRow("Spacetime to Semi log") << 3 << 1 << QStringList{"10x1 cycle", "10x2 cycle", "10x3 cycle"};
        QTest::newRow("Squared to Log") << 0 << 2 << QStringList{"1x1", "2x2", "3x3"};
        QTest::newRow("Semi log to Spacetime") << 1 << 3 << QStringList{"", "", ""};
    }

    void kindChange()
    {
        QFETCH(int, from);
        QFETCH(int, kind);
        QFETCH(QStringList, sizes);
        TestWindow &w = *window_;
        pick(w.kindBox, from);
        pick(w.sizeBox, 2);
        QCOMPARE(w.sizeBox->currentIndex(), 2);
        stamp(*w.samplePicture);

        pick(w.kindBox, kind);
        QCOMPARE(w.kindBox->currentIndex(), kind);
        QCOMPARE(entries(w.sizeBox), sizes);
        QCOMPARE(w.sizeBox->currentIndex(), 0);
        QCOMPARE(w.sizeBox->currentText(), sizes[0]);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w.sizeLabel(kind, i), sizes[i]);
        QCOMPARE(w.spacetimeGroup->isVisible(), kind == 3);
        QCOMPARE(w.spacetimeNameLabel->isVisible(), kind == 3); // its own "Who" over the covered one
        if (kind == 3)
            QCOMPARE(picture(), spacetimeNow());
        else
            QVERIFY(sameInside(picture(), gridReference(kind, 0)));
        QCOMPARE(target_->begun, 0);
    }

    void spacetimeGroupCoversTheGraphGroup()
    {
        TestWindow &w = *window_;
        QWidget *client = w.centralWidget();
        const QPoint sizeBox = w.sizeBox->geometry().center() + w.graphGroup->pos();
        QCOMPARE(client->childAt(sizeBox), w.sizeBox->lineEdit());
        pick(w.kindBox, 3);
        QCOMPARE(w.spacetimeGroup->geometry(), w.graphGroup->geometry());
        QVERIFY(w.spacetimeGroup->autoFillBackground());
        QWidget *onTop = client->childAt(sizeBox);
        QVERIFY(onTop == w.spacetimeGroup || w.spacetimeGroup->isAncestorOf(onTop));
        // The kind box, the name box and the button stay above either group.
        for (QWidget *control : std::initializer_list<QWidget *>{w.kindBox, w.nameEdit, w.printButton}) {
            QWidget *at = client->childAt(control->geometry().center());
            QVERIFY(at == control || control->isAncestorOf(at));
        }
        pick(w.kindBox, 1);
        QVERIFY(!w.spacetimeGroup->isVisible());
    }

    void velocityLabel_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        const int right = Qt::Key_Right, left = Qt::Key_Left;
        QTest::newRow("0") << QList<int>{Qt::Key_Home} << 0 << "v = 0.00 c";
        QTest::newRow("5") << QList<int>{Qt::Key_Home, right, right, right, right, right} << 5 << "v = 0.05 c";
        QTest::newRow("60") << QList<int>{Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp, left, right}
                            << 60 << "v = 0.60 c";
        QTest::newRow("90") << QList<int>{Qt::Key_End} << 90 << "v = 0.90 c";
    }

    void velocityLabel()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, position);
        QFETCH(QString, label);
        TestWindow &w = *window_;
        pick(w.kindBox, 3);
        for (int key : keys)
            QTest::keyClick(w.velocityBar, Qt::Key(key));
        QCOMPARE(w.velocityBar->value(), position);
        QCOMPARE(w.velocityLabel->text(), label);
        QCOMPARE(w.velocityLabel->size(), w.velocityLabel->sizeHint());
        QCOMPARE(picture(), spacetimeNow());
    }

    // Another kind in between leaves the velocity where it was set.
    void velocityIsKeptAcrossKinds()
    {
        TestWindow &w = *window_;
        pick(w.kindBox, 3);
        QTest::keyClick(w.velocityBar, Qt::Key_Home);
        QTest::keyClick(w.velocityBar, Qt::Key_Right);
        pick(w.kindBox, 2);
        pick(w.kindBox, 3);
        QCOMPARE(w.velocityBar->value(), 1);
        QCOMPARE(w.velocityLabel->text(), QStringLiteral("v = 0.01 c"));
        QCOMPARE(picture(), spacetimeNow());
    }

    // Left, Up, PageUp and the wheel turned up lower the velocity; Right,
    // Down, PageDown and the wheel turned down raise it; Home and End go to
    // the ends. Each move relabels and redraws; a move past an end does not.
    void velocityBarConventions_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key"); // 0: the wheel
        QTest::addColumn<int>("wheel"); // notches, up positive
        QTest::addColumn<int>("position");
        QTest::newRow("Left") << 60 << int(Qt::Key_Left) << 0 << 59;
        QTest::newRow("Right") << 60 << int(Qt::Key_Right) << 0 << 61;
        QTest::newRow("Up") << 60 << int(Qt::Key_Up) << 0 << 59;
        QTest::newRow("Down") << 60 << int(Qt::Key_Down) << 0 << 61;
        QTest::newRow("PageUp") << 60 << int(Qt::Key_PageUp) << 0 << 50;
        QTest::newRow("PageDown") << 60 << int(Qt::Key_PageDown) << 0 << 70;
        QTest::newRow("Home") << 60 << int(Qt::Key_Home) << 0 << 0;
        QTest::newRow("End") << 60 << int(Qt::Key_End) << 0 << 90;
        QTest::newRow("wheel up") << 60 << 0 << 1 << 60 - QApplication::wheelScrollLines();
        QTest::newRow("wheel down") << 60 << 0 << -1 << 60 + QApplication::wheelScrollLines();
        QTest::newRow("Left at 0.00 c") << 0 << int(Qt::Key_Left) << 0 << 0;
        QTest::newRow("Down at 0.90 c") << 90 << int(Qt::Key_Down) << 0 << 90;
    }

    void velocityBarConventions()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, wheel);
        QFETCH(int, position);
        TestWindow &w = *window_;
        pick(w.kindBox, 3);
        w.kindBox->setFocus();
        QTest::keyClick(w.kindBox, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.velocityBar));
        QTest::keyClick(w.velocityBar, start == 0 ? Qt::Key_Home : start == 90 ? Qt::Key_End : Qt::Key_Right);
        if (start == 60)
            QTest::keyClick(w.velocityBar, Qt::Key_Left);
        QCOMPARE(w.velocityBar->value(), start);
        stamp(*w.samplePicture);
        if (key) {
            QTest::keyClick(w.velocityBar, Qt::Key(key));
        } else {
            const QPoint at = w.velocityBar->rect().center();
            QWheelEvent turn(at, w.velocityBar->mapToGlobal(at), QPoint(), QPoint(0, 120 * wheel), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w.velocityBar, &turn);
        }
        QCOMPARE(w.velocityBar->value(), position);
        QCOMPARE(w.velocityLabel->text(), QStringLiteral("v = 0.%1 c").arg(position, 2, 10, QLatin1Char('0')));
        QCOMPARE(stamped(picture()), position == start);
        if (position != start)
            QCOMPARE(picture(), spacetimeNow());
    }

    void arrowButtonsMoveTheWayTheyPoint()
    {
        TestWindow &w = *window_;
        pick(w.kindBox, 3);
        const int middle = w.velocityBar->height() / 2;
        QTest::mouseClick(w.velocityBar, Qt::LeftButton, {}, QPoint(w.velocityBar->width() - 3, middle));
        QCOMPARE(w.velocityBar->value(), 61);
        QTest::mouseClick(w.velocityBar, Qt::LeftButton, {}, QPoint(2, middle));
        QTest::mouseClick(w.velocityBar, Qt::LeftButton, {}, QPoint(2, middle));
        QCOMPARE(w.velocityBar->value(), 59);
        QCOMPARE(w.velocityLabel->text(), QStringLiteral("v = 0.59 c"));
        QCOMPARE(picture(), spacetimeNow());
    }

    void draggingRedrawsAtEveryStep()
    {
        TestWindow &w = *window_;
        pick(w.kindBox, 3);
        w.velocityBar->setSliderDown(true);
        for (int position : {40, 41, 43, 42}) {
            stamp(*w.samplePicture);
            w.velocityBar->setSliderPosition(position); // what moving the thumb does
            QCOMPARE(w.velocityBar->value(), position);
            QCOMPARE(w.velocityLabel->text(), QStringLiteral("v = 0.%1 c").arg(position));
            QCOMPARE(picture(), spacetimeNow());
        }
        w.velocityBar->setSliderDown(false);
        QCOMPARE(w.velocityBar->value(), 42);
    }

    // Choosing the entry that is already chosen, from the list with the mouse
    // or the keyboard, or by typing it, is no change: the size stays and the
    // sample is not redrawn. Only a change runs the handler.
    void choosingTheChosenEntryChangesNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("how");
        QTest::newRow("Log 3x3, Log from the list") << 2 << 2 << "kindBox" << "list";
        QTest::newRow("Log 3x3, list opened with the keyboard") << 2 << 2 << "kindBox" << "keys";
        QTest::newRow("Log 3x3, Log typed") << 2 << 2 << "kindBox" << "typed";
        QTest::newRow("Semi log, 10x2 cycle again") << 1 << 1 << "sizeBox" << "list";
        QTest::newRow("Squared, 10x15 again by keys") << 0 << 0 << "sizeBox" << "keys";
        QTest::newRow("Spacetime again") << 3 << 0 << "kindBox" << "keys";
    }

    void choosingTheChosenEntryChangesNothing()
    {
        QFETCH(int, kind);
        QFETCH(int, size);
        QFETCH(QString, box);
        QFETCH(QString, how);
        TestWindow &w = *window_;
        pick(w.kindBox, kind);
        if (size != 0)
            pick(w.sizeBox, size);
        QTest::keyClick(w.velocityBar, Qt::Key_Home); // unseen unless "Spacetime" is redrawn
        stamp(*w.samplePicture);
        auto *chosen = w.findChild<ChoiceBox *>(box);
        const int entry = chosen->currentIndex();
        chosen->setFocus();
        if (how == QLatin1String("list")) {
            pick(chosen, entry);
        } else if (how == QLatin1String("keys")) {
            QTest::keyClick(chosen, Qt::Key_Down, Qt::AltModifier);
            QTRY_VERIFY(chosen->view()->isVisible());
            QTest::keyClick(chosen->view(), Qt::Key_Return);
        } else {
            chosen->lineEdit()->selectAll();
            QTest::keyClicks(chosen->lineEdit(), chosen->currentText().toUpper());
            QTest::keyClick(chosen->lineEdit(), Qt::Key_Return);
        }
        QCOMPARE(w.kindBox->currentIndex(), kind);
        QCOMPARE(w.sizeBox->currentIndex(), size);
        QVERIFY(stamped(picture()));
        QCOMPARE(w.spacetimeGroup->isVisible(), kind == 3);
        // A real change still resets the size and redraws.
        if (kind != 0) {
            pick(w.kindBox, 0);
            QCOMPARE(w.sizeBox->currentIndex(), 0);
            QVERIFY(sameInside(picture(), gridReference(0, 0)));
        }
    }

    void frameOfTheGridSample()
    {
        // The clearing rectangle is outlined with the pen the last drawing
        // left: 1 px at start-up, 2 px after "Squared", white after spacetime.
        TestWindow &w = *window_;
        const auto frame = [this] {
            return QString("%1%2%3%4")
                .arg(black(picture(), kW - 2, 200))
                .arg(black(picture(), kW - 1, 200))
                .arg(black(picture(), 200, kH - 2))
                .arg(black(picture(), 200, kH - 1));
        };
        QCOMPARE(frame(), QStringLiteral("0101"));
        pick(w.sizeBox, 1);
        QCOMPARE(frame(), QStringLiteral("1111"));
        pick(w.kindBox, 3);
        pick(w.kindBox, 0);
        QCOMPARE(frame(), QStringLiteral("0000"));
        QVERIFY(sameInside(picture(), gridReference(0, 0)));
        pick(w.sizeBox, 2);
        QCOMPARE(frame(), QStringLiteral("1111"));
    }

    void settingsFromCodeRunNoHandler()
    {
        TestWindow &w = *window_;
        stamp(*w.samplePicture);
        w.kindBox->setCurrentIndex(2);
        w.sizeBox->setCurrentIndex(1);
        w.velocityBar->setValue(10);
        w.kindBox->setCurrentIndex(3);
        w.nameEdit->setText(QStringLiteral("Ada"));
        QVERIFY(stamped(picture()));
        QCOMPARE(entries(w.sizeBox), (QStringList{"10x15", "10x15", "10x15"}));
        QVERIFY(!w.spacetimeGroup->isVisible());
        QCOMPARE(w.velocityLabel->text(), QStringLiteral("v = 0.60 c"));
        QCOMPARE(target_->begun, 0);
    }

    void typedText_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("kind"); // chosen first
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter"); // else the box is left with Tab
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("redrawn");
        QTest::newRow("kind, no match, Enter") << "kindBox" << 0 << "Bogus" << true << 0 << "Squared" << false;
        QTest::newRow("kind, no match, leaving") << "kindBox" << 0 << "Bogus" << false << 0 << "Squared" << false;
        QTest::newRow("kind, other case, Enter") << "kindBox" << 0 << "LOG" << true << 2 << "Log" << true;
        QTest::newRow("kind, match, leaving") << "kindBox" << 0 << "semi log" << false << 1 << "Semi log" << true;
        QTest::newRow("size, no match, Enter") << "sizeBox" << 0 << "7x7" << true << 0 << "10x15" << false;
        QTest::newRow("size, match, leaving") << "sizeBox" << 2 << "2X2" << false << 1 << "2x2" << true;
        QTest::newRow("size, emptied, leaving") << "sizeBox" << 1 << "" << false << 0 << "10x1 cycle" << false;
        QTest::newRow("spacetime size, typed") << "sizeBox" << 3 << "abc" << true << 0 << "" << false;
    }

    void typedText()
    {
        QFETCH(QString, box);
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(int, index);
        QFETCH(QString, shown);
        QFETCH(bool, redrawn);
        TestWindow &w = *window_;
        if (kind != 0)
            pick(w.kindBox, kind);
        auto *target = w.findChild<ChoiceBox *>(box);
        QVERIFY(target);
        stamp(*w.samplePicture);
        target->setFocus();
        QLineEdit *edit = target->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text().toLower(), typed.toLower());
        if (enter)
            QTest::keyClick(edit, Qt::Key_Return);
        else
            QTest::keyClick(target, Qt::Key_Tab);
        QCOMPARE(target->currentIndex(), index);
        QCOMPARE(target->currentText(), shown);
        QCOMPARE(!stamped(picture()), redrawn);
        QCOMPARE(w.spacetimeGroup->isVisible(), w.kindBox->currentIndex() == 3);
        if (redrawn && box == QLatin1String("kindBox"))
            QCOMPARE(w.sizeBox->currentText(), w.sizeLabel(index, 0));
        if (redrawn)
            QVERIFY(sameInside(picture(), gridReference(w.kindBox->currentIndex(), w.sizeBox->currentIndex())));
    }

    void printOrder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("menu");
        QTest::newRow("Squared, button") << 0 << false;
        QTest::newRow("Squared, menu") << 0 << true;
        QTest::newRow("Semi log, menu") << 1 << true;
        QTest::newRow("Log, button") << 2 << false;
        QTest::newRow("Spacetime, button") << 3 << false;
        QTest::newRow("Spacetime, menu") << 3 << true;
    }

    void printOrder()
    {
        QFETCH(int, kind);
        QFETCH(bool, menu);
        TestWindow &w = *window_;
        if (kind != 0)
            pick(w.kindBox, kind);
        QTest::keyClicks(w.nameEdit, QStringLiteral("Ada"));
        stamp(*w.samplePicture);
        bool sampleRedrawnFirst = false;
        target_->onBegin = [&] { sampleRedrawnFirst = !stamped(picture()); };
        if (menu)
            w.printAction->trigger();
        else
            QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors, QStringList());
        QCOMPARE(target_->begun, 1);
        QCOMPARE(target_->ended, 1);
        QCOMPARE(sampleRedrawnFirst, kind == 3);
        QVERIFY(!stamped(picture()));
        const std::string trace = target_->trace.str();
        QCOMPARE(trace.find("#808080") != std::string::npos, kind == 3);
        const std::string nameLine = kind == 3 ? "text 10 10 12 \"Ada   v = 0.60 c\"" : "text 10 10 12 \"Ada\"";
        QVERIFY2(trace.find(nameLine) != std::string::npos, trace.substr(0, 300).c_str());
        if (kind == 3)
            QCOMPARE(picture(), spacetimeNow());
        else
            QVERIFY(sameInside(picture(), gridReference(kind, 0)));
    }

    void printErrors_data()
    {
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        const QString noPrinter = QStringLiteral("There is no default printer currently selected");
        const QString notValid = QStringLiteral("Printer selected is not valid");
        QTest::newRow("no printer, Squared") << true << 0 << noPrinter;
        QTest::newRow("no printer, Spacetime") << true << 3 << noPrinter;
        QTest::newRow("not valid, Log") << false << 2 << notValid;
        QTest::newRow("not valid, Spacetime") << false << 3 << notValid;
    }

    void printErrors()
    {
        QFETCH(bool, noPrinter);
        QFETCH(int, kind);
        QFETCH(QString, message);
        TestWindow &w = *window_;
        if (kind != 0)
            pick(w.kindBox, kind);
        pick(w.sizeBox, kind == 3 ? 0 : 1);
        QTest::keyClicks(w.nameEdit, QStringLiteral("Bo"));
        if (noPrinter)
            printer_->setTarget(nullptr);
        else
            target_->refusal = kPrinterNotValid;
        stamp(*w.samplePicture);

        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors, QStringList{message});
        // Spacetime redraws its sample before printing; a grid sample is
        // redrawn only after a page has printed.
        QCOMPARE(stamped(picture()), kind != 3);
        QCOMPARE(w.kindBox->currentIndex(), kind);
        QCOMPARE(w.sizeBox->currentIndex(), kind == 3 ? 0 : 1);
        QCOMPARE(w.nameEdit->text(), QStringLiteral("Bo"));
        QCOMPARE(w.spacetimeGroup->isVisible(), kind == 3);
        QVERIFY(!printer_->Printing());

        if (!noPrinter) { // the printer is usable again once it opens
            target_->refusal = nullptr;
            w.printAction->trigger();
            QCOMPARE(w.errors.size(), 1);
            QCOMPARE(target_->ended, 1);
        }
    }

    // The printer's messages come from the core in English words, which the
    // window looks up in its catalogue.
    void aPrinterErrorIsSaidInTheWindowsLanguage()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/gridora_de")));
        QCoreApplication::installTranslator(&german);
        target_->refusal = kPrinterNotValid;
        window_->printAction->trigger();
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(window_->errors, QStringList{QStringLiteral("Der gewählte Drucker ist ungültig")});
    }

    // The real error box, not the recorder: a reason that looks like markup
    // is shown as the characters it is.
    void errorBoxShowsPlainText()
    {
        MainWindow w(*printer_);
        const char *markup = "<a href=\"file:///etc/passwd\">queue</a> <b>gone</b>";
        target_->refusal = markup;
        QString shownText;
        int shownFormat = -1;
        QTimer::singleShot(0, &w, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shownText = box->text();
                shownFormat = box->textFormat();
                box->accept();
            }
        });
        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(shownText, QString::fromUtf8(markup));
        QCOMPARE(shownFormat, int(Qt::PlainText));
        target_->refusal = nullptr;
    }

    void printCommandWhilePrinting()
    {
        TestWindow &w = *window_;
        stamp(*w.samplePicture);
        QTest::keyClicks(w.nameEdit, QStringLiteral("Ada"));
        target_->onWrite = [&] { w.printButton->click(); }; // arrives while the page is open
        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors, QStringList{QStringLiteral("Printing in progress")});
        QCOMPARE(target_->begun, 1);
        QCOMPARE(target_->ended, 1);
        QCOMPARE(target_->aborted, 0);
        QVERIFY(!stamped(picture()));
    }

    void printSetupCancelled()
    {
        TestWindow &w = *window_;
        PrintTarget *before = printer_->target();
        bool asked = false;
        w.printDialog = [&](QPrinter &printer) {
            asked = true;
            printer.setCopyCount(7);
            return false;
        };
        w.printSetupAction->trigger();
        QVERIFY(asked);
        QCOMPARE(printer_->target(), before);
        QCOMPARE(target_->begun, 0);
    }

    void printSetupConfirmed()
    {
        TestWindow &w = *window_;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
        w.printDialog = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setPageSize(QPageSize(QPageSize::A5));
            printer.setCopyCount(2);
            return true;
        };
        w.printSetupAction->trigger();
        target_ = nullptr; // replaced
        const auto *chosen = dynamic_cast<const QPrinterTarget *>(printer_->target());
        QVERIFY(chosen);
        QCOMPARE(chosen->printer().outputFileName(), file);
        QCOMPARE(chosen->printer().pageLayout().pageSize().id(), QPageSize::A5);
        QCOMPARE(chosen->printer().copyCount(), 2);
        QVERIFY(!QFile::exists(file)); // setting up prints nothing

        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors, QStringList());
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");

        // The next set-up starts from this choice; cancelling keeps it.
        QString offered;
        w.printDialog = [&](QPrinter &printer) {
            offered = printer.outputFileName();
            return false;
        };
        w.printSetupAction->trigger();
        QCOMPARE(offered, file);
        QCOMPARE(printer_->target(), static_cast<const PrintTarget *>(chosen));
    }

    // Confirmed with no destination (an empty list): later prints go to the
    // default printer as after a fresh start, never to no printer at all.
    void printSetupWithNoDestinationKeepsAPrinter()
    {
        TestWindow &w = *window_;
        w.printDialog = [](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::NativeFormat);
            printer.setPrinterName(QString());
            return true;
        };
        w.printSetupAction->trigger();
        target_ = nullptr; // replaced
        QVERIFY(printer_->target());
        QVERIFY(dynamic_cast<FirstUseTarget *>(printer_->target()));
    }

    void aboutBoxOpensOncePerRunAndFromTheMenu()
    {
        LicenceViewer licence;
        AboutBox about(&licence);
        TestWindow w(*printer_);
        w.setAboutBox(&about);
        QVERIFY(w.modals.isEmpty());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(w.modals.size(), 1);
        QCOMPARE(w.modals[0], static_cast<QDialog *>(&about));
        QCOMPARE(about.windowTitle(), QStringLiteral("Gridora"));
        QCOMPARE(about.productLabel->text(), QStringLiteral("Product Name: Gridora"));
        QCOMPARE(about.versionLabel->text(), QStringLiteral("Version: %1").arg(QLatin1String(gridora::kVersion)));

        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCoreApplication::processEvents();
        QCOMPARE(w.modals.size(), 1);

        w.aboutAction->trigger();
        w.aboutAction->trigger();
        QCOMPARE(w.modals.size(), 3);
        QCOMPARE(w.modals[2], static_cast<QDialog *>(&about));
    }

    void exitClosesTheWindow()
    {
        window_->exitAction->trigger();
        QVERIFY(!window_->isVisible());
        QVERIFY(window_->errors.isEmpty());
    }

    // A new sample drawn while a modal dialog runs reaches the screen by the
    // widget's own paint event, not by anyone grabbing it.
    void pictureRepaintsUnderAModalDialog_data()
    {
        QTest::addColumn<bool>("spacetime");
        QTest::newRow("graph paper") << false;
        QTest::newRow("spacetime") << true;
    }

    void pictureRepaintsUnderAModalDialog()
    {
        QFETCH(bool, spacetime);
        TestWindow &w = *window_;
        if (spacetime)
            w.kindBox->setCurrentIndex(3); // from code: nothing is drawn for it
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        PaintCounter paints(w.samplePicture);
        QDialog modal(&w);
        QTimer poll;
        connect(&poll, &QTimer::timeout, &modal, [&] {
            if (paints.count > 0)
                modal.accept();
        });
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, &modal, &QDialog::reject);
        QTimer::singleShot(0, &modal, [&] {
            if (spacetime)
                w.drawSample();
            else
                pick(w.kindBox, 1);
            poll.start(10);
            giveUp.start(5000);
        });
        modal.exec();
        QVERIFY2(paints.count > 0, "the new sample was never painted");
    }

    // Start-up wires the About menu to the About box and the box's "View
    // License Agreement" to the licence viewer.
    void startUpHandsTheAboutBoxItsLicenceViewer()
    {
        window_->hide();
        Windows windows(*printer_);
        bool boxOpened = false;
        QTimer::singleShot(0, &windows.aboutBox, [&] {
            boxOpened = QApplication::activeModalWidget() == &windows.aboutBox;
            windows.aboutBox.reject();
        });
        windows.mainWindow.aboutAction->trigger();
        QVERIFY(boxOpened);

        windows.aboutBox.show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.aboutBox));
        bool viewerOpened = false;
        QTimer::singleShot(0, &windows.licenceViewer, [&] {
            viewerOpened = windows.licenceViewer.isVisible();
            windows.licenceViewer.reject();
        });
        QTest::mouseClick(windows.aboutBox.licenceLink, Qt::LeftButton);
        QVERIFY(viewerOpened);
        windows.aboutBox.hide();
    }

    // The window system's close request (the close box, Alt+F4) closes the
    // main window and ends the message loop.
    void closeBoxEndsTheProgram()
    {
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QTimer::singleShot(0, window_.get(), [&] { window_->windowHandle()->close(); });
        QTimer giveUp; // a close that is ignored would leave the loop running
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        giveUp.start(10000);
        QCOMPARE(runMainWindow(*qApp, *window_), 0);
        QVERIFY(!window_->isVisible());
    }

    // Pasted, as a name this long would come: QLineEdit's own limit of 32767
    // characters must not cut it, and the page gets every character as it is.
    void aHundredThousandCharacterNameReachesThePage()
    {
        TestWindow &w = *window_;
        QString name;
        for (int i = 0; i < 100000; ++i)
            name += i % 1000 == 999 ? QChar(u'\t') : i % 7 == 0 ? QChar(u'\u05E9') : QChar(u'W');
        QGuiApplication::clipboard()->setText(name);
        QVERIFY2(QGuiApplication::clipboard()->text() == name, "this platform has no clipboard");
        w.nameEdit->setFocus();
        QTest::keySequence(w.nameEdit, QKeySequence::Paste);
        QCOMPARE(w.nameEdit->text().size(), name.size());
        QTest::mouseClick(w.printButton, Qt::LeftButton);
        QCOMPARE(w.errors, QStringList());
        const auto texts = tracetest::linesStarting(tracetest::splitLines(target_->trace.str()), "text 10 10 12 ");
        QCOMPARE(texts.size(), std::size_t(1));
        QVERIFY(tracetest::jsonStringText(texts[0].substr(14)) == name.toStdString());
    }

    void typingANameChangesNothing()
    {
        TestWindow &w = *window_;
        stamp(*w.samplePicture);
        QTest::keyClicks(w.nameEdit, QStringLiteral("Grace Hopper"));
        QCOMPARE(w.nameEdit->text(), QStringLiteral("Grace Hopper"));
        QVERIFY(stamped(picture()));
        QCOMPARE(target_->begun, 0);
        QVERIFY(w.errors.isEmpty());
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
