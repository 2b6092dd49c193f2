#include "tcgraph.h"

#include "aboutbox.h"
#include "canvas_picture.h"
#include "choicebox.h"
#include "classset.h"
#include "file_targets.h"
#include "gridora_version.h"
#include "grid_sheets.h"
#include "printer_setup.h"
#include "sheet_constants.h"
#include "spacetime_sheets.h"
#include "velocitybar.h"

#include <QApplication>
#include <QBuffer>
#include <QFileDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>

#include <limits>
#include <memory>
#include <utility>

namespace gridora::app {

namespace {

using sheets::kSpacetime;

const QColor kPaleYellow(0xFE, 0xFD, 0xC7);

// A PDF saved while there is no printer: A4 at 600 dots per inch, inside a
// margin of 5 mm on every side, about what a desktop printer cannot reach.
constexpr int kPdfFallbackDpi = 600;
constexpr double kPdfFallbackMarginMm = 5.0;

// Long class sets show their progress once they take longer than this.
constexpr int kProgressAfterMs = 500;

const char *const kClassSetCancelled = "The class set was cancelled: nothing was sent to the printer.";
const char *const kPdfCancelled = "Saving the PDF file was cancelled: nothing was written.";

// The page a PDF file gets: as on the printer the print command uses, its
// paper, margins and resolution, or the fallback when there is none.
print::PageSetup pdfPageFor(const TPrinter &printer)
{
    if (auto setup = print::pageSetupOf(printer))
        return *setup;
    const QMarginsF margins(kPdfFallbackMarginMm, kPdfFallbackMarginMm, kPdfFallbackMarginMm, kPdfFallbackMarginMm);
    return {QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter),
            kPdfFallbackDpi};
}

// Group boxes and labels show the window's pale yellow; the controls the user
// types into or presses keep the desktop's own colours.
void keepStandardColours(QWidget *control)
{
    const QPalette standard = QApplication::palette(control);
    QPalette palette = control->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Window, standard.color(group, QPalette::Window));
    control->setPalette(palette);
}

void fillWith(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

template <class Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

void setRowHeight(QComboBox *box, int height)
{
    for (int i = 0; i < box->count(); ++i)
        box->setItemData(i, QSize(0, height), Qt::SizeHintRole);
}

} // namespace

template <class Handler> void Tcgraph::handle(Handler &&handler)
{
    try {
        handler();
    } catch (...) {
        reportCurrentException();
    }
}

Tcgraph::Tcgraph(TPrinter &printer, QWidget *parent) : QMainWindow(parent), printer_(printer)
{
    setObjectName(QStringLiteral("cgraph"));
    setWindowTitle(QStringLiteral("Choose Your Graph......"));
    // A single fixed border with the system menu and minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildMenu();
    buildControls();
    nameControlsForScreenReaders();
    // The client area is fixed; the menu bar lies above it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
}

Tcgraph::~Tcgraph() = default;

void Tcgraph::buildMenu()
{
    MainMenu1 = named(menuBar(), "MainMenu1");
    Graph1 = named(MainMenu1->addMenu(QStringLiteral("&Graph")), "Graph1");
    Print1 = named(Graph1->addAction(QStringLiteral("&Print")), "Print1");
    Printsetup1 = named(Graph1->addAction(QStringLiteral("Print &Setup")), "Printsetup1");
    N2 = named(Graph1->addSeparator(), "N2");
    ClassSet1 = named(Graph1->addAction(QStringLiteral("&Class Set...")), "ClassSet1");
    SaveasPDF1 = named(Graph1->addAction(QStringLiteral("Save &as PDF...")), "SaveasPDF1");
    N1 = named(Graph1->addSeparator(), "N1");
    exit1 = named(Graph1->addAction(QStringLiteral("E&xit")), "exit1");
    Help1 = named(MainMenu1->addMenu(QStringLiteral("&Help")), "Help1");
    About1 = named(Help1->addAction(QStringLiteral("&About")), "About1");

    connect(Print1, &QAction::triggered, this, [this] { handle([this] { Print1Click(); }); });
    connect(Printsetup1, &QAction::triggered, this, [this] { handle([this] { Printsetup1Click(); }); });
    connect(ClassSet1, &QAction::triggered, this, [this] { handle([this] { ClassSet1Click(); }); });
    connect(SaveasPDF1, &QAction::triggered, this, [this] { handle([this] { SaveasPDF1Click(); }); });
    connect(exit1, &QAction::triggered, this, [this] { handle([this] { exit1Click(); }); });
    connect(About1, &QAction::triggered, this, [this] { handle([this] { About1Click(); }); });
}

void Tcgraph::buildControls()
{
    auto *client = named(new QWidget(this), "client");
    client->setFixedSize(sheets::kWindowWidth, sheets::kWindowHeight);
    fillWith(client, kPaleYellow);
    // The desktop's sans-serif face, 13 pixels high, for every control.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    client->setFont(font);
    setCentralWidget(client);

    // Later controls lie above earlier ones where they overlap.
    GroupBox1 = named(new QGroupBox(QStringLiteral("Graph"), client), "GroupBox1");
    GroupBox1->setGeometry(8, 8, 361, 89);

    wholb = named(new QLabel(QStringLiteral("Who"), GroupBox1), "wholb");
    wholb->setGeometry(24, 60, 30, 16);

    graphsize = named(new ChoiceBox(GroupBox1), "graphsize");
    graphsize->setGeometry(192, 24, 97, 24);
    graphsize->addItems({QStringLiteral("10x15"), QStringLiteral("10x15"), QStringLiteral("10x15")});
    graphsize->setMaxVisibleItems(3);
    setRowHeight(graphsize, 16);

    GroupBox2 = named(new QGroupBox(QStringLiteral("Graph to be Printed"), client), "GroupBox2");
    GroupBox2->setGeometry(8, 104, 361, 417);
    fillWith(GroupBox2, kPaleYellow);

    Graphdisplay = named(new CanvasPicture(sheets::kSampleWidth, sheets::kSampleHeight, GroupBox2), "Graphdisplay");
    Graphdisplay->move(2, 18);

    // Shown, it covers the "Graph" group and its size box completely.
    stgb = named(new QGroupBox(QStringLiteral("Spacetime"), client), "stgb");
    stgb->setGeometry(8, 8, 361, 89);
    fillWith(stgb, kPaleYellow);

    sllb = named(new QLabel(QStringLiteral("v = 0.60 c"), stgb), "sllb");
    sllb->move(288, 29);
    sllb->adjustSize();

    Label1 = named(new QLabel(QStringLiteral("Who"), stgb), "Label1");
    Label1->setGeometry(24, 60, 30, 16);

    slsb = named(new VelocityBar(stgb), "slsb");
    slsb->setGeometry(160, 28, 121, 17);
    slsb->setRange(0, spacetime::kMaxPosition);
    slsb->setValue(60);
    slsb->setSingleStep(1);
    slsb->setPageStep(10);
    stgb->hide();

    Graphtyp = named(new ChoiceBox(client), "Graphtyp");
    Graphtyp->setGeometry(35, 32, 97, 24);
    Graphtyp->addItems({QStringLiteral("Squared"), QStringLiteral("Semi log"), QStringLiteral("Log"),
                        QStringLiteral("Spacetime")});
    Graphtyp->setMaxVisibleItems(4);
    setRowHeight(Graphtyp, 16);

    p1to3bt = named(new QPushButton(QStringLiteral("&Print"), client), "p1to3bt");
    p1to3bt->setGeometry(264, 64, 91, 25);

    whocp = named(new QLineEdit(client), "whocp");
    whocp->setGeometry(80, 64, 169, 24);
    whocp->setToolTip(QStringLiteral("Prints name entered on graph paper"));
    // The name is printed in full, however long: no limit of its own, and
    // not QLineEdit's default of 32767 characters.
    whocp->setMaxLength(std::numeric_limits<int>::max());

    for (QWidget *control : std::initializer_list<QWidget *>{graphsize, slsb, Graphtyp, p1to3bt, whocp})
        keepStandardColours(control);

    // Tab order: the size box (when it shows), the kind box, the velocity bar
    // (when its group shows), the "&Print" button, the name box.
    QWidget *const order[] = {graphsize, Graphtyp, slsb, p1to3bt, whocp};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    graphsize->setFocus();

    // Only the user's choices and moves reach the handlers, and a choice only
    // when it changes something: choosing the entry already chosen keeps the
    // size and the sample as they are.
    connect(Graphtyp, &QComboBox::activated, this, [this](int kind) {
        if (kind != kindShown_)
            handle([this] { GraphtypChange(); });
    });
    connect(graphsize, &QComboBox::activated, this, [this](int size) {
        if (size != sizeShown_)
            handle([this] { graphsizeChange(); });
    });
    connect(slsb, &QAbstractSlider::actionTriggered, this, [this] {
        // The bar has moved its thumb but not yet its value.
        if (slsb->sliderPosition() == slsb->value())
            return;
        slsb->setValue(slsb->sliderPosition());
        handle([this] { slsbChange(); });
    });
    connect(p1to3bt, &QPushButton::clicked, this, [this] { handle([this] { p1to3btClick(); }); });
}

void Tcgraph::nameControlsForScreenReaders()
{
    // The boxes carry no label of their own on screen: their group and their
    // entries explain them to the eye, not to a screen reader. A screen reader
    // names a combo box by its current entry and reads its purpose from the
    // label related to it, so each box gets a label that is never shown.
    const auto purpose = [](const QString &text, ChoiceBox *box) {
        auto *label = new QLabel(text, box->parentWidget());
        label->setBuddy(box);
        label->hide();
        box->setAccessibleName(text);
        return label;
    };
    purpose(QStringLiteral("Kind of graph paper"), Graphtyp)->setObjectName(QStringLiteral("Graphtyplb"));
    purpose(QStringLiteral("Size of the graph paper"), graphsize)->setObjectName(QStringLiteral("graphsizelb"));
    slsb->setAccessibleName(QStringLiteral("Velocity of the moving frame"));
    slsb->setAccessibleDescription(sllb->text());
    whocp->setAccessibleName(QStringLiteral("Who"));
    whocp->setAccessibleDescription(whocp->toolTip());
    wholb->setBuddy(whocp);
    Label1->setBuddy(whocp);
    p1to3bt->setAccessibleName(QStringLiteral("Print"));
    Graphdisplay->setAccessibleName(QStringLiteral("Sample of the graph paper"));
}

QString Tcgraph::sizeLabel(int kind, int choice) const
{
    const std::string_view label =
        sheets::kSizeLabels.at(static_cast<std::size_t>(kind)).at(static_cast<std::size_t>(choice));
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

// --- Handlers ---------------------------------------------------------------

void Tcgraph::FormCreate()
{
    Graphtyp->setCurrentIndex(0);
    for (int i = 0; i < 3; ++i)
        graphsize->setItemText(i, sizeLabel(0, i));
    graphsize->setCurrentIndex(0);
    kindShown_ = 0;
    sizeShown_ = 0;
    graphbtClick();
}

void Tcgraph::FormActivate()
{
    if (!aboutBox_)
        return;
    aboutBox_->ProductName->setText(QStringLiteral("Product Name: Gridora"));
    aboutBox_->setWindowTitle(QStringLiteral("Gridora"));
    aboutBox_->Version->setText(QStringLiteral("Version: %1").arg(QLatin1String(kVersion)));
    aboutBox_->ProductName->adjustSize();
    aboutBox_->Version->adjustSize();
    showModal(*aboutBox_);
}

void Tcgraph::GraphtypChange()
{
    const int kind = Graphtyp->currentIndex();
    if (kind < 0 || kind > kSpacetime)
        return;
    for (int i = 0; i < 3; ++i)
        graphsize->setItemText(i, sizeLabel(kind, i));
    graphsize->setCurrentIndex(0);
    kindShown_ = kind;
    sizeShown_ = 0;
    // The size box under the "Spacetime" group cannot be seen, so it takes
    // no focus there: hidden, Tab and Shift+Tab pass it by.
    if (kind == kSpacetime) {
        samplespaceClick();
        stgb->show();
        graphsize->hide();
    } else {
        graphsize->show();
        stgb->hide();
        graphbtClick();
    }
}

void Tcgraph::graphsizeChange()
{
    sizeShown_ = graphsize->currentIndex();
    if (Graphtyp->currentIndex() == kSpacetime)
        samplespaceClick();
    else
        graphbtClick();
}

void Tcgraph::slsbChange()
{
    sllb->setText(QStringLiteral("v = 0.%1 c").arg(slsb->value(), 2, 10, QLatin1Char('0')));
    sllb->adjustSize();
    slsb->setAccessibleDescription(sllb->text());
    samplespaceClick();
}

void Tcgraph::printCommand()
{
    if (Graphtyp->currentIndex() >= kSpacetime) {
        samplespaceClick();
        spaceprClick();
    } else {
        PrintbtClick();
        graphbtClick();
    }
}

void Tcgraph::p1to3btClick()
{
    printCommand();
}

void Tcgraph::Print1Click()
{
    printCommand();
}

void Tcgraph::Printsetup1Click()
{
    // The dialog works on a copy: cancelling it leaves the printer untouched.
    auto chosen = print::printerToSetUp(printer_);
    if (!runPrintDialog(*chosen))
        return;
    // Confirmed with no destination (an empty list while the print server
    // was down): later prints go to the default printer, as after a start.
    auto target = print::printerTarget(std::move(chosen));
    printer_.setTarget(target ? std::move(target) : print::startupPrinterTarget());
}

void Tcgraph::ClassSet1Click()
{
    Tclassset &dialog = classSetDialog();
    dialog.setSheet(sheetDescription());
    if (showModal(dialog) != QDialog::Accepted)
        return;
    const std::vector<std::string> names = dialog.names();
    if (names.empty())
        return;
    const QString title = jobTitle(QStringLiteral("class set"));
    if (dialog.choice() == Tclassset::Choice::Print)
        printClassSet(names, title);
    else
        savePdf(names, title);
}

void Tcgraph::SaveasPDF1Click()
{
    savePdf({whocp->text().toStdString()}, jobTitle(whocp->text()));
}

void Tcgraph::exit1Click()
{
    close();
}

void Tcgraph::About1Click()
{
    if (aboutBox_)
        showModal(*aboutBox_);
}

// --- Actions ----------------------------------------------------------------

void Tcgraph::graphbtClick()
{
    gridpaper::drawGridSample(Graphdisplay->canvas(), Graphdisplay->width(), Graphdisplay->height(),
                              Graphtyp->currentIndex(), graphsize->currentIndex());
    Graphdisplay->update();
}

void Tcgraph::PrintbtClick()
{
    printer_.Title = jobTitle(whocp->text()).toStdString();
    gridpaper::printGridPage(printer_, Graphtyp->currentIndex(), graphsize->currentIndex(),
                             whocp->text().toStdString());
}

void Tcgraph::samplespaceClick()
{
    // The erase rectangle spans the window's outer size, frame included.
    const QRect outer = frameGeometry();
    spacetime::drawSpacetimeSample(Graphdisplay->canvas(), Graphdisplay->width(), Graphdisplay->height(),
                                   slsb->value(), outer.width(), outer.height());
    Graphdisplay->update();
}

void Tcgraph::spaceprClick()
{
    printer_.Title = jobTitle(whocp->text()).toStdString();
    spacetime::printSpacetimePage(printer_, slsb->value(), whocp->text().toStdString());
}

// --- Class sets and PDF files ------------------------------------------------

Tclassset &Tcgraph::classSetDialog()
{
    if (!classSet_)
        classSet_ = new Tclassset(this);
    return *classSet_;
}

classset::SheetChoice Tcgraph::sheetChoice() const
{
    return {Graphtyp->currentIndex(), graphsize->currentIndex(), slsb->value()};
}

QString Tcgraph::sheetDescription() const
{
    if (Graphtyp->currentIndex() >= kSpacetime)
        return QStringLiteral("\"Spacetime\" paper (%1)").arg(sllb->text());
    return QStringLiteral("\"%1\" paper (%2)").arg(Graphtyp->currentText(), graphsize->currentText());
}

QString Tcgraph::jobTitle(const QString &who) const
{
    const QString sheet = Graphtyp->currentIndex() >= kSpacetime
                              ? QStringLiteral("Spacetime ") + sllb->text()
                              : Graphtyp->currentText() + QLatin1Char(' ') + graphsize->currentText();
    return print::jobTitle({QStringLiteral("Gridora"), sheet, who});
}

classset::SetOutcome Tcgraph::runClassSet(TPrinter &printer, const std::vector<std::string> &names,
                                          const QString &doing)
{
    QProgressDialog progress(doing, QStringLiteral("Cancel"), 0, static_cast<int>(names.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressAfterMs);
    progress.setValue(0);
    return classset::printClassSet(printer, sheetChoice(), names,
                                   [&](std::size_t done, std::size_t) { return classSetGoesOn(progress, done); });
}

void Tcgraph::printClassSet(const std::vector<std::string> &names, const QString &title)
{
    printer_.Title = title.toStdString();
    if (runClassSet(printer_, names, QStringLiteral("Printing the class set...")) == classset::SetOutcome::Cancelled)
        reportNote(QString::fromUtf8(kClassSetCancelled));
}

void Tcgraph::savePdf(const std::vector<std::string> &names, const QString &title)
{
    const QString path = choosePdfFile();
    if (path.isEmpty())
        return;
    // Drawn whole in memory first: the file is touched only once the pages
    // are complete, and then written under a temporary name and renamed.
    const print::PageSetup page = pdfPageFor(printer_);
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    TPrinter pdfPrinter(std::make_unique<FilePrintTarget>(&buffer, page.layout, page.dpi));
    pdfPrinter.Title = title.toStdString();
    if (runClassSet(pdfPrinter, names, QStringLiteral("Saving the PDF file...")) == classset::SetOutcome::Cancelled) {
        reportNote(QString::fromUtf8(kPdfCancelled));
        return;
    }
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit();
    if (!saved)
        reportError(QStringLiteral("The PDF file \"%1\" could not be saved: %2.").arg(path, file.errorString()));
}

bool Tcgraph::classSetGoesOn(QProgressDialog &progress, std::size_t done)
{
    progress.setValue(static_cast<int>(done));
    return !progress.wasCanceled();
}

QString Tcgraph::choosePdfFile()
{
    QFileDialog dialog(this, QStringLiteral("Save as PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void Tcgraph::reportNote(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Gridora"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// --- Plumbing ---------------------------------------------------------------

void Tcgraph::reportCurrentException()
{
    try {
        throw;
    } catch (const std::exception &error) {
        reportError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportError(QStringLiteral("An unexpected error occurred"));
    }
}

int Tcgraph::showModal(QDialog &dialog)
{
    return dialog.exec();
}

bool Tcgraph::runPrintDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printersu"));
    // No page numbers, no selection, no printing to a file.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    // It prints nothing, so it must not say "Print": it sets up the printer
    // for later prints, confirmed with the desktop's own word for OK.
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *confirm = buttons->button(QDialogButtonBox::Ok)) {
            const QDialogButtonBox standard(QDialogButtonBox::Ok);
            confirm->setText(standard.button(QDialogButtonBox::Ok)->text());
        }
    }
    return dialog.exec() == QDialog::Accepted;
}

void Tcgraph::reportError(const QString &text)
{
    // Queue names and the print server's reasons come from outside: shown as
    // plain text, never as markup with links in it.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Gridora"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool Tcgraph::event(QEvent *event)
{
    // Focus can only come back from the program's own modal dialogs, which is
    // no new activation: the About box opens by itself once per run.
    if (event->type() == QEvent::WindowActivate && !activatedOnce_) {
        activatedOnce_ = true;
        QMetaObject::invokeMethod(this, [this] { handle([this] { FormActivate(); }); }, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void Tcgraph::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (centred_ || event->spontaneous())
        return;
    centred_ = true;
    if (const QScreen *display = screen()) {
        QRect outer = frameGeometry();
        outer.moveCenter(display->availableGeometry().center());
        move(outer.topLeft());
    }
    activateWindow();
}

} // namespace gridora::app
