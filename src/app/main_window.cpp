#include "main_window.h"

#include "aboutbox.h"
#include "canvas_picture.h"
#include "choicebox.h"
#include "classset.h"
#include "file_targets.h"
#include "gridora_version.h"
#include "kinds.h"
#include "language.h"
#include "page_layout.h"
#include "printer_setup.h"
#include "saved_file.h"
#include "sheet_constants.h"
#include "spacetime_sheets.h"
#include "text_reach.h"
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
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

namespace gridora::app {

namespace {

const QColor kPaleYellow(0xFE, 0xFD, 0xC7);

// Long class sets show their progress once they take longer than this.
constexpr int kProgressAfterMs = 500;

// The paper of a PDF saved while there is no printer: the one usual where the
// user lives (Letter in the United States), laid out as gridora-sheet --paper
// and the browser lay it out.
const page::Paper &fallbackPdfPaper()
{
    return page::usualPaperIn(QLocale::territoryToCode(QLocale().territory()).toStdString());
}

// The target a PDF file is drawn on: laid out as on the printer the print
// command uses (its paper, margins and resolution), or, when there is none or
// no print server to ask, `paper` upright inside a quarter-inch margin at 600
// dots per inch.
std::unique_ptr<PrintTarget> pdfTargetFor(const std::optional<print::PageSetup> &setup, const page::Paper &paper,
                                          QIODevice *out)
{
    if (setup)
        return std::make_unique<FilePrintTarget>(out, setup->layout, setup->dpi);
    const auto layout = page::layOut(paper, page::Orientation::Portrait, page::kQuarterInchMargin, page::kDefaultDpi);
    if (!layout)
        throw EPrinter(Message::words(EPrinter::kMessages,
                                      GRIDORA_TRANSLATABLE("Messages", "The PDF page could not be laid out on %1"),
                                      {Message::plain(std::string(paper.label))}));
    return std::make_unique<FilePrintTarget>(PageFormat::Pdf, out, *layout);
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

// A kind's name or size label from the table of kinds, which holds them in
// English, in the window's language.
QString kindText(std::string_view english)
{
    if (english.empty())
        return {};
    return QCoreApplication::translate("Kinds", std::string(english).c_str());
}

// Where a control sized for its English text widens in a language that needs
// more room: to the right as far as `right`, then to the left as far as
// `left`, so that it keeps its place wherever its text allows.
void widenInto(QWidget *control, int needed, int left, int right)
{
    QRect area = control->geometry();
    if (needed <= area.width())
        return;
    area.setWidth(needed);
    if (area.right() > right)
        area.moveRight(right);
    area.setLeft(std::max(area.left(), left));
    control->setGeometry(area);
}

// The width at which a box shows the widest of `entries` whole in its line
// edit, which keeps 2 pixels free on either side of its text.
int widthShowing(const QComboBox *box, const QStringList &entries)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = true;
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    const QFontMetrics metrics(box->font());
    int widest = 0;
    for (const QString &entry : entries)
        widest = std::max(widest, metrics.horizontalAdvance(entry));
    return box->width() - field.width() + widest + 4;
}

void setRowHeight(QComboBox *box, int height)
{
    for (int i = 0; i < box->count(); ++i)
        box->setItemData(i, QSize(0, height), Qt::SizeHintRole);
}

} // namespace

template <class Handler> void MainWindow::handle(Handler &&handler)
{
    try {
        handler();
    } catch (...) {
        reportCurrentException();
    }
}

MainWindow::MainWindow(TPrinter &printer, QWidget *parent) : QMainWindow(parent), printer_(printer)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr("Choose Your Graph......"));
    // A single fixed border with the system menu and minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildMenu();
    buildControls();
    fitControlsToTheirTexts();
    nameControlsForScreenReaders();
    // The client area is fixed; the menu bar lies above it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    showFirstSample();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu()
{
    mainMenu = named(menuBar(), "mainMenu");
    graphMenu = named(mainMenu->addMenu(tr("&Graph")), "graphMenu");
    printAction = named(graphMenu->addAction(tr("&Print")), "printAction");
    printSetupAction = named(graphMenu->addAction(tr("Print &Setup")), "printSetupAction");
    graphMenu->addSeparator();
    classSetAction = named(graphMenu->addAction(tr("&Class Set...")), "classSetAction");
    saveAsPdfAction = named(graphMenu->addAction(tr("Save &as PDF...")), "saveAsPdfAction");
    graphMenu->addSeparator();
    exitAction = named(graphMenu->addAction(tr("E&xit")), "exitAction");
    helpMenu = named(mainMenu->addMenu(tr("&Help")), "helpMenu");
    aboutAction = named(helpMenu->addAction(tr("&About")), "aboutAction");

    connect(printAction, &QAction::triggered, this, [this] { handle([this] { printSheet(); }); });
    connect(printSetupAction, &QAction::triggered, this, [this] { handle([this] { setUpPrinter(); }); });
    connect(classSetAction, &QAction::triggered, this, [this] { handle([this] { openClassSet(); }); });
    connect(saveAsPdfAction, &QAction::triggered, this, [this] { handle([this] { saveSheetAsPdf(); }); });
    connect(exitAction, &QAction::triggered, this, [this] { handle([this] { close(); }); });
    connect(aboutAction, &QAction::triggered, this, [this] { handle([this] { showAboutBox(); }); });
}

void MainWindow::buildControls()
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
    graphGroup = named(new QGroupBox(tr("Graph"), client), "graphGroup");
    graphGroup->setGeometry(8, 8, 361, 89);

    graphNameLabel = named(new QLabel(tr("Who"), graphGroup), "graphNameLabel");
    graphNameLabel->setGeometry(24, 60, 30, 16);

    sizeBox = named(new ChoiceBox(graphGroup), "sizeBox");
    sizeBox->setGeometry(192, 24, 97, 24);
    // showFirstSample writes the entries' texts.
    for (int i = 0; i < kinds::kSizeChoices; ++i)
        sizeBox->addItem(QString());
    sizeBox->setMaxVisibleItems(kinds::kSizeChoices);
    setRowHeight(sizeBox, 16);

    sampleGroup = named(new QGroupBox(tr("Graph to be Printed"), client), "sampleGroup");
    sampleGroup->setGeometry(8, 104, 361, 417);
    fillWith(sampleGroup, kPaleYellow);

    samplePicture = named(new CanvasPicture(sheets::kSampleWidth, sheets::kSampleHeight, sampleGroup), "samplePicture");
    samplePicture->move(2, 18);

    // Shown, it covers the "Graph" group and its size box completely.
    spacetimeGroup = named(new QGroupBox(tr("Spacetime"), client), "spacetimeGroup");
    spacetimeGroup->setGeometry(8, 8, 361, 89);
    fillWith(spacetimeGroup, kPaleYellow);

    velocityLabel = named(new QLabel(spacetimeGroup), "velocityLabel");
    velocityLabel->move(288, 29);

    spacetimeNameLabel = named(new QLabel(tr("Who"), spacetimeGroup), "spacetimeNameLabel");
    spacetimeNameLabel->setGeometry(24, 60, 30, 16);

    velocityBar = named(new VelocityBar(spacetimeGroup), "velocityBar");
    velocityBar->setGeometry(160, 28, 121, 17);
    velocityBar->setRange(0, spacetime::kMaxPosition);
    velocityBar->setValue(60);
    velocityBar->setSingleStep(1);
    velocityBar->setPageStep(10);
    showVelocity();
    spacetimeGroup->hide();

    kindBox = named(new ChoiceBox(client), "kindBox");
    kindBox->setGeometry(35, 32, 97, 24);
    for (const kinds::Kind &kind : kinds::all())
        kindBox->addItem(kindText(kind.name));
    kindBox->setMaxVisibleItems(kindBox->count());
    setRowHeight(kindBox, 16);

    printButton = named(new QPushButton(tr("&Print"), client), "printButton");
    printButton->setGeometry(264, 64, 91, 25);

    nameEdit = named(new QLineEdit(client), "nameEdit");
    nameEdit->setGeometry(80, 64, 169, 24);
    nameEdit->setToolTip(tr("Prints name entered on graph paper"));
    // The name is printed in full, however long: no limit of its own, and
    // not QLineEdit's default of 32767 characters.
    nameEdit->setMaxLength(std::numeric_limits<int>::max());

    for (QWidget *control : std::initializer_list<QWidget *>{sizeBox, velocityBar, kindBox, printButton, nameEdit})
        keepStandardColours(control);

    // Tab order: the size box (when it shows), the kind box, the velocity bar
    // (when its group shows), the "&Print" button, the name box.
    QWidget *const order[] = {sizeBox, kindBox, velocityBar, printButton, nameEdit};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    sizeBox->setFocus();

    // Only the user's choices and moves reach the handlers, and a choice only
    // when it changes something: choosing the entry already chosen keeps the
    // size and the sample as they are.
    connect(kindBox, &QComboBox::activated, this, [this](int kind) {
        if (kind != kindShown_)
            handle([this] { kindChanged(); });
    });
    connect(sizeBox, &QComboBox::activated, this, [this](int size) {
        if (size != sizeShown_)
            handle([this] { sizeChanged(); });
    });
    connect(velocityBar, &QAbstractSlider::actionTriggered, this, [this] {
        // The bar has moved its thumb but not yet its value.
        if (velocityBar->sliderPosition() == velocityBar->value())
            return;
        velocityBar->setValue(velocityBar->sliderPosition());
        handle([this] { velocityChanged(); });
    });
    connect(printButton, &QPushButton::clicked, this, [this] { handle([this] { printSheet(); }); });
}

void MainWindow::fitControlsToTheirTexts()
{
    // The row of boxes: the kind box stops short of the velocity bar, the
    // size box of the group's edge. A "Who" label stops short of the name box.
    const int kindRight = spacetimeGroup->x() + velocityBar->x() - 7;
    QStringList names;
    for (int i = 0; i < kindBox->count(); ++i)
        names << kindBox->itemText(i);
    widenInto(kindBox, widthShowing(kindBox, names), 16, kindRight);
    QStringList sizes;
    for (int kind = 0; kind < kindBox->count(); ++kind)
        for (int choice = 0; choice < kinds::kSizeChoices; ++choice)
            sizes << sizeLabel(kind, choice);
    widenInto(sizeBox, widthShowing(sizeBox, sizes), sizeBox->x(), graphGroup->width() - 9);
    for (QLabel *who : {graphNameLabel, spacetimeNameLabel}) {
        const int needed = who->fontMetrics().horizontalAdvance(who->text()) + 1;
        widenInto(who, needed, 10, nameEdit->x() - who->parentWidget()->x() - 5);
    }
}

void MainWindow::nameControlsForScreenReaders()
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
    purpose(tr("Kind of graph paper"), kindBox)->setObjectName(QStringLiteral("kindBoxLabel"));
    purpose(tr("Size of the graph paper"), sizeBox)->setObjectName(QStringLiteral("sizeBoxLabel"));
    velocityBar->setAccessibleName(tr("Velocity of the moving frame"));
    velocityBar->setAccessibleDescription(velocityLabel->text());
    nameEdit->setAccessibleName(tr("Who"));
    nameEdit->setAccessibleDescription(nameEdit->toolTip());
    graphNameLabel->setBuddy(nameEdit);
    spacetimeNameLabel->setBuddy(nameEdit);
    printButton->setAccessibleName(tr("Print"));
    samplePicture->setAccessibleName(tr("Sample of the graph paper"));
}

QString MainWindow::sizeLabel(int kind, int choice) const
{
    return kindText(kinds::kindAt(kind).sizeLabels.at(static_cast<std::size_t>(choice)));
}

// --- Handlers ---------------------------------------------------------------

void MainWindow::showFirstSample()
{
    kindBox->setCurrentIndex(0);
    for (int i = 0; i < kinds::kSizeChoices; ++i)
        sizeBox->setItemText(i, sizeLabel(0, i));
    sizeBox->setCurrentIndex(0);
    kindShown_ = 0;
    sizeShown_ = 0;
    drawSample();
}

void MainWindow::showAboutBoxAtStart()
{
    if (!aboutBox_)
        return;
    aboutBox_->setWindowTitle(QStringLiteral("Gridora"));
    aboutBox_->setProduct(QStringLiteral("Gridora"), QLatin1String(kVersion));
    showModal(*aboutBox_);
}

void MainWindow::kindChanged()
{
    const int kind = kindBox->currentIndex();
    if (kind == kinds::kNoEntry)
        return;
    for (int i = 0; i < kinds::kSizeChoices; ++i)
        sizeBox->setItemText(i, sizeLabel(kind, i));
    sizeBox->setCurrentIndex(0);
    kindShown_ = kind;
    sizeShown_ = 0;
    // A size box under the "Spacetime" group cannot be seen, so it takes no
    // focus there: hidden, Tab and Shift+Tab pass it by.
    const kinds::Kind &chosen = kinds::kindAt(kind);
    if (chosen.hasVelocity) {
        drawSample();
        spacetimeGroup->show();
        sizeBox->setVisible(chosen.hasSizes);
    } else {
        sizeBox->setVisible(chosen.hasSizes);
        spacetimeGroup->hide();
        drawSample();
    }
}

void MainWindow::sizeChanged()
{
    sizeShown_ = sizeBox->currentIndex();
    drawSample();
}

void MainWindow::velocityChanged()
{
    showVelocity();
    drawSample();
}

void MainWindow::showVelocity()
{
    // The velocity as the window's language writes it: "v = 0,61 c" in German.
    velocityLabel->setText(QStringLiteral("v = ") + static_cast<VelocityBar *>(velocityBar)->velocityText());
    velocityLabel->adjustSize();
    velocityBar->setAccessibleDescription(velocityLabel->text());
}

void MainWindow::printSheet()
{
    if (!namesFitThePrinterOrGoOn({nameEdit->text().toStdString()}))
        return;
    if (currentKind().hasVelocity) {
        drawSample();
        printPage();
    } else {
        printPage();
        drawSample();
    }
}

void MainWindow::setUpPrinter()
{
    print::runPrintSetup(printer_, [this](QPrinter &chosen) { return runPrintDialog(chosen); });
}

void MainWindow::openClassSet()
{
    ClassSetDialog &dialog = classSetDialog();
    dialog.setSheet(sheetDescription());
    if (showModal(dialog) != QDialog::Accepted)
        return;
    const std::vector<std::string> names = dialog.names();
    if (names.empty())
        return;
    const QString title = jobTitle(tr("Class set"));
    if (dialog.choice() == ClassSetDialog::Choice::Print)
        printClassSet(names, title);
    else
        savePdf(names, title, pdfFileName(tr("Class set")));
}

void MainWindow::saveSheetAsPdf()
{
    savePdf({nameEdit->text().toStdString()}, jobTitle(nameEdit->text()), pdfFileName(nameEdit->text()));
}

void MainWindow::showAboutBox()
{
    if (aboutBox_)
        showModal(*aboutBox_);
}

// --- Actions ----------------------------------------------------------------

void MainWindow::drawSample()
{
    // A spacetime sample's erase rectangle spans the window's outer size,
    // frame included.
    const QRect outer = frameGeometry();
    kinds::drawSample(samplePicture->canvas(),
                      {samplePicture->width(), samplePicture->height(), outer.width(), outer.height()},
                      sheetChoice());
    samplePicture->update();
    // A screen reader cannot see the picture: it hears what the picture shows.
    const QString detail = sheetDetail();
    samplePicture->setAccessibleDescription(detail.isEmpty() ? tr("Sample of %1 paper").arg(kindName())
                                                             : tr("Sample of %1 paper, %2").arg(kindName(), detail));
}

void MainWindow::printPage()
{
    printer_.Title = jobTitle(nameEdit->text()).toStdString();
    kinds::printPage(printer_, sheetChoice(), nameEdit->text().toStdString());
}

const kinds::Kind &MainWindow::currentKind() const
{
    return kinds::kindAt(kindBox->currentIndex());
}

// --- Class sets and PDF files ------------------------------------------------

ClassSetDialog &MainWindow::classSetDialog()
{
    if (!classSet_)
        classSet_ = new ClassSetDialog(this);
    return *classSet_;
}

classset::SheetChoice MainWindow::sheetChoice() const
{
    return {kindBox->currentIndex(), sizeBox->currentIndex(), velocityBar->value(), decimalSeparator()};
}

std::string MainWindow::decimalSeparator() const
{
    return locale().decimalPoint().toStdString();
}

QString MainWindow::kindName() const
{
    // Typed text that matches no entry names the sheet it draws as it stands.
    if (kindBox->currentIndex() == kinds::kNoEntry)
        return kindBox->currentText();
    return kindText(currentKind().name);
}

QString MainWindow::sheetDetail() const
{
    if (currentKind().hasVelocity)
        return velocityLabel->text();
    return currentKind().hasSizes ? sizeBox->currentText() : QString();
}

QString MainWindow::sheetDescription() const
{
    const QString kind = tr("\"%1\" paper").arg(kindName());
    const QString detail = sheetDetail();
    return detail.isEmpty() ? kind : QStringLiteral("%1 (%2)").arg(kind, detail);
}

QString MainWindow::sheetTitle() const
{
    const QString detail = sheetDetail();
    return detail.isEmpty() ? kindName() : kindName() + QLatin1Char(' ') + detail;
}

QString MainWindow::jobTitle(const QString &who) const
{
    return print::jobTitle(sheetTitle(), who);
}

QString MainWindow::pdfFileName(const QString &who) const
{
    return print::pdfFileName(sheetTitle(), who);
}

classset::SetOutcome MainWindow::runClassSet(TPrinter &printer, const std::vector<std::string> &names,
                                             const QString &doing)
{
    QProgressDialog progress(doing, tr("Cancel"), 0, static_cast<int>(names.size()), this);
    // Untitled, it would show the program's file name.
    progress.setWindowTitle(QStringLiteral("Gridora"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressAfterMs);
    progress.setValue(0);
    return classset::printClassSet(printer, sheetChoice(), names,
                                   [&](std::size_t done, std::size_t) { return classSetGoesOn(progress, done); });
}

void MainWindow::printClassSet(const std::vector<std::string> &names, const QString &title)
{
    if (!namesFitThePrinterOrGoOn(names))
        return;
    printer_.Title = title.toStdString();
    // One sheet per pupil, whatever number of copies Print Setup holds.
    const print::OneCopyEach oneSheetEach(printer_);
    if (runClassSet(printer_, names, tr("Printing the class set...")) == classset::SetOutcome::Cancelled)
        reportNote(tr("The class set was cancelled: nothing was sent to the printer."));
}

void MainWindow::savePdf(const std::vector<std::string> &names, const QString &title, const QString &suggested)
{
    // Drawn whole in memory first: the file is touched only once the pages
    // are complete, and then written under a temporary name and renamed.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    const auto setup = print::fileSetupOf(printer_);
    TPrinter pdfPrinter(pdfTargetFor(setup, fallbackPdfPaper(), &buffer));
    if (!namesFitOrGoOn(names, *pdfPrinter.target(), setup ? setup->dpi : page::kDefaultDpi))
        return;
    const QString path = choosePdfFile(suggested);
    if (path.isEmpty())
        return;
    pdfPrinter.Title = title.toStdString();
    if (runClassSet(pdfPrinter, names, tr("Saving the PDF file...")) == classset::SetOutcome::Cancelled) {
        reportNote(tr("Saving the PDF file was cancelled: nothing was written."));
        return;
    }
    if (const auto failure = saveWhole(path, pdf))
        reportError(tr("The PDF file \"%1\" could not be saved: %2.").arg(path, failure->reason));
}

bool MainWindow::namesFitOrGoOn(const std::vector<std::string> &names, const PrintTarget &page, int dpi)
{
    // Each page drawn where nothing shows, measuring its text in the face the
    // printed page uses.
    auto measured = std::make_unique<TextReachTarget>(page.pageWidth(), page.pageHeight(), dpi);
    const TextReachTarget &reach = *measured;
    TPrinter measuring(std::move(measured));
    const classset::SheetChoice choice = sheetChoice();
    std::vector<QString> tooLong;
    for (const std::string &name : names) {
        kinds::printPage(measuring, choice, name);
        if (reach.reach() > page.pageWidth())
            tooLong.push_back(QString::fromStdString(name));
    }
    if (tooLong.empty())
        return true;
    constexpr int kShownLetters = 40;
    const QString first = fontMetrics().elidedText(tooLong.front(), Qt::ElideRight,
                                                   fontMetrics().averageCharWidth() * kShownLetters);
    const QString warning =
        tooLong.size() == 1
            ? tr("The name \"%1\" is too long for the page: its end will be cut off. Go on anyway?").arg(first)
            : tr("%1 names are too long for the page and will be cut off, such as \"%2\". Go on anyway?")
                  .arg(tooLong.size())
                  .arg(first);
    return askToGoOn(warning);
}

bool MainWindow::namesFitThePrinterOrGoOn(const std::vector<std::string> &names)
{
    // With no queue the print itself says what is wrong.
    const auto setup = print::pageSetupOf(printer_);
    return !setup || namesFitOrGoOn(names, *printer_.target(), setup->dpi);
}

bool MainWindow::askToGoOn(const QString &warning)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Gridora"), warning, QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setTextFormat(Qt::PlainText);
    // A wasted sheet is the worse mistake: Return alone does not print.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool MainWindow::classSetGoesOn(QProgressDialog &progress, std::size_t done)
{
    progress.setValue(static_cast<int>(done));
    return !progress.wasCanceled();
}

QString MainWindow::choosePdfFile(const QString &suggested)
{
    QFileDialog dialog(this, tr("Save as PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(suggested);
    dialog.setNameFilter(tr("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void MainWindow::reportNote(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Gridora"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// --- Plumbing ---------------------------------------------------------------

void MainWindow::reportCurrentException()
{
    try {
        throw;
    } catch (const EPrinter &error) {
        reportError(i18n::say(error.message()));
    } catch (const std::exception &error) {
        reportError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportError(tr("An unexpected error occurred"));
    }
}

int MainWindow::showModal(QDialog &dialog)
{
    return dialog.exec();
}

bool MainWindow::runPrintDialog(QPrinter &printer)
{
    print::checkServerForSetup();
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printSetupDialog"));
    // No page numbers, no selection, no printing to a file.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    // It prints nothing, so it must not say "Print": it sets up the printer
    // for later prints, confirmed with the desktop's own word for OK.
    dialog.setWindowTitle(tr("Print Setup"));
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *confirm = buttons->button(QDialogButtonBox::Ok)) {
            const QDialogButtonBox standard(QDialogButtonBox::Ok);
            confirm->setText(standard.button(QDialogButtonBox::Ok)->text());
        }
    }
    return dialog.exec() == QDialog::Accepted;
}

void MainWindow::reportError(const QString &text)
{
    // Queue names and the print server's reasons come from outside: shown as
    // plain text, never as markup with links in it.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Gridora"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MainWindow::event(QEvent *event)
{
    // Focus can only come back from the program's own modal dialogs, which is
    // no new activation: the About box opens by itself once per run.
    if (event->type() == QEvent::WindowActivate && !activatedOnce_) {
        activatedOnce_ = true;
        QMetaObject::invokeMethod(this, [this] { handle([this] { showAboutBoxAtStart(); }); }, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent *event)
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
