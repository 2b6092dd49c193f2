#pragma once
// The main window, "Choose Your Graph......": the kind box, the size box, the
// name box, the velocity group for spacetime paper, the sample picture, the
// print command and the menu.
//
// Every user action lands in one handler here. Handlers only update controls
// and call the two drawing and printing actions: the sample and the printed
// sheet, each whatever the table of kinds (kinds.h) says the kind draws. The
// actions read the kind, size choice, velocity and name from the controls when
// they run. An action's error ends the handler that called it, which reports
// it once.
//
// Selections made from code fire no handler: the boxes report only the user's
// choices (`activated`), and the velocity scroll bar only the user's moves.

#include "class_set.h"
#include "kinds.h"
#include "printer.h"

#include <QMainWindow>
#include <QString>

#include <cstddef>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPrinter;
class QProgressDialog;
class QPushButton;
class QScrollBar;
class AboutBox;
class ClassSetDialog;

namespace gridora::app {

class CanvasPicture;
class ChoiceBox;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /// Builds the window and runs showFirstSample, which draws the first
    /// sample. Prints go to `printer`, the one printer object of the run.
    explicit MainWindow(TPrinter &printer, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The About box that showAboutBoxAtStart and menu "&About" show; it is
    /// created after the main window.
    void setAboutBox(AboutBox *aboutBox) { aboutBox_ = aboutBox; }

    TPrinter &printer() { return printer_; }

    /// The size box's text for a kind (an index of the kind box) and size
    /// choice (0..2), from the table of kinds.
    QString sizeLabel(int kind, int choice) const;

    // The menu.
    QMenuBar *mainMenu;
    QMenu *graphMenu;
    QAction *printAction;
    QAction *printSetupAction;
    QAction *classSetAction;
    QAction *saveAsPdfAction;
    QAction *exitAction;
    QMenu *helpMenu;
    QAction *aboutAction;

    // The controls, in creation order.
    QGroupBox *graphGroup;
    QLabel *graphNameLabel;
    ChoiceBox *sizeBox;
    QGroupBox *sampleGroup;
    CanvasPicture *samplePicture;
    QGroupBox *spacetimeGroup;
    QLabel *velocityLabel;
    QLabel *spacetimeNameLabel;
    QScrollBar *velocityBar;
    ChoiceBox *kindBox;
    QPushButton *printButton;
    QLineEdit *nameEdit;

    // Handlers.
    /// At start-up: "Squared" with its first size, and its sample.
    void showFirstSample();
    /// At the window's first activation: the About box with the product's
    /// name and version.
    void showAboutBoxAtStart();
    /// The user chose another kind: its sizes, its group and its sample.
    void kindChanged();
    void sizeChanged();
    /// The user moved the velocity bar: its label and the spacetime sample.
    void velocityChanged();
    /// The print command, from the "&Print" button or menu "&Print": the
    /// sheet shown printed on one page and its sample drawn again (a grid
    /// sample after its page, a spacetime sample before it).
    void printSheet();
    void setUpPrinter();   ///< "Print &Setup"
    void openClassSet();   ///< "&Class Set..."
    void saveSheetAsPdf(); ///< "Save &as PDF..."
    void showAboutBox();   ///< "&About"

    /// The class-set dialog, made when it is first needed; its names stay
    /// from one opening to the next.
    ClassSetDialog &classSetDialog();

    // The drawing and printing actions: the current kind's sample on the
    // picture, and its page on the printer.
    void drawSample();
    void printPage();

protected:
    /// Shows `dialog` modally and returns its result.
    virtual int showModal(QDialog &dialog);
    /// Runs the print set-up dialog on `printer`; true when the user confirms,
    /// and the dialog has then written the choice into `printer`.
    virtual bool runPrintDialog(QPrinter &printer);
    /// Shows an error the way the desktop shows any program's errors.
    virtual void reportError(const QString &text);
    /// Tells the user something that is no error.
    virtual void reportNote(const QString &text);
    /// Asks where to save a PDF file, offering `suggested` as its name; empty
    /// when the user cancels.
    virtual QString choosePdfFile(const QString &suggested);
    /// Asks whether to go on in spite of `warning`; true when the user says yes.
    virtual bool askToGoOn(const QString &warning);
    /// Shows that `done` pages of a class set are drawn; false once the user
    /// has cancelled the set.
    virtual bool classSetGoesOn(QProgressDialog &progress, std::size_t done);

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    /// Widens the boxes and the "Who" labels where their texts need it.
    void fitControlsToTheirTexts();
    void nameControlsForScreenReaders();
    const kinds::Kind &currentKind() const;
    void showVelocity();
    classset::SheetChoice sheetChoice() const;
    /// The kind and the velocity or size (empty for a kind with neither) the
    /// sheet is drawn for, as the window shows them.
    QString kindName() const;
    QString sheetDetail() const;
    QString sheetDescription() const;
    /// The velocity on a printed page is written as on the label: "0,60" in German.
    std::string decimalSeparator() const;
    classset::SetOutcome runClassSet(TPrinter &printer, const std::vector<std::string> &names, const QString &doing);
    void printClassSet(const std::vector<std::string> &names, const QString &title);
    void savePdf(const std::vector<std::string> &names, const QString &title, const QString &suggested);
    /// The sheet as job titles and file names name it: "Log 2x2".
    QString sheetTitle() const;
    /// The title of a job or PDF of the current sheet for `who` (a name, or
    /// "Class set"), such as "Ann - Log 2x2 - Gridora".
    QString jobTitle(const QString &who) const;
    /// The name a PDF of the current sheet for `who` is offered under.
    QString pdfFileName(const QString &who) const;
    /// False when a name would run off `page` and the user, told so, does
    /// not want to go on.
    bool namesFitOrGoOn(const std::vector<std::string> &names, const PrintTarget &page, int dpi);
    /// The same for the page of the printer the print command uses.
    bool namesFitThePrinterOrGoOn(const std::vector<std::string> &names);
    /// Runs a handler for an event, showing any error it ends with.
    template <class Handler> void handle(Handler &&handler);
    void reportCurrentException();

    TPrinter &printer_;
    AboutBox *aboutBox_ = nullptr;
    ClassSetDialog *classSet_ = nullptr;
    int kindShown_ = 0; ///< the kind the size box and the mode were last set for
    int sizeShown_ = 0; ///< the size choice the sample was last drawn for
    bool activatedOnce_ = false;
    bool centred_ = false;
};

} // namespace gridora::app
