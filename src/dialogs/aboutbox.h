#pragma once
// The About box: product name and version, a few words on the terms of use,
// the logo with a link to Gridora's user guide, and a link to the licence
// agreement viewer. A click on its background closes it; at its first showing
// it also closes itself after 4 seconds (20 ticks of a 200 ms timer).

#include <QDialog>
#include <QString>

class QLabel;
class QTimer;
class LicenceViewer;

/// Client area 449 x 285, fixed size, stays on top, centred on the screen at
/// each showing. Closes with result 1 (QDialog::Accepted) by a click or by the
/// timer, with QDialog::Rejected by the title-bar close box.
///
/// Tick count and self-closed mark: the tick count restarts at 0 at every
/// showing; the timer starts at a showing only while the self-closed mark is
/// 0, and the mark becomes 10 when the 20th tick closes the box. Closing by a
/// click stops the timer; the close box does not, so the ticks may run on
/// while the box is hidden.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    /// `licence` is the viewer that "View License Agreement" opens; it may be
    /// null, and then the link does nothing.
    explicit AboutBox(LicenceViewer *licence, QWidget *parent = nullptr);
    ~AboutBox() override;

    /// The program creates the viewer after the box; it hands it over here.
    void setLicenceViewer(LicenceViewer *licence) { licence_ = licence; }

    /// The product and version lines, "Product Name: Gridora" and "Version:
    /// 0.95" in the box's language.
    void setProduct(const QString &name, const QString &version);

    // The main window sets the texts of these two (setProduct) and the
    // caption; they start empty. Clicks on them do nothing.
    QLabel *productLabel;
    QLabel *versionLabel;

    // The other items.
    QWidget *framePanel;      ///< khaki frame filling the client area
    QWidget *innerPanel;      ///< pale yellow, holds every item below
    QLabel *commentsHeading;  ///< "Comments:"
    QLabel *commentsText;     ///< the comment paragraph
    QLabel *presentedByLabel; ///< "Presented by:"
    QLabel *logo;             ///< the logo; opens the user guide
    QLabel *moreInfoLabel;    ///< "For more info visit:"
    QLabel *userGuideLink;    ///< the user guide's link
    QLabel *licenceLink;      ///< "View License Agreement"
    QLabel *copyrightNotice;  ///< the one-line copyright notice
    QTimer *closeTimer;       ///< 200 ms, stopped at start

    /// One tick of closeTimer: counts it, and at the 20th tick stops the
    /// timer, sets the self-closed mark to 10 and closes the box with result 1.
    void tick();

    int tickCount() const { return tickCount_; }
    int selfClosedMark() const { return selfClosedMark_; }
    bool timerActive() const;

    /// The installed or built user guide, found from the program's directory:
    /// ../share/gridora/user-guide.html for an installed program, or the same
    /// path up to three directories higher for one run from the build tree.
    /// Empty when there is none.
    static QString userGuidePath();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    /// At each showing: the tick count back to 0, and the timer started
    /// unless the box has closed itself before.
    void restartCountdown();
    /// What a click on the box does: stops the timer and closes the box with
    /// result 1.
    void closeByClick();
    void openUserGuide();
    void highlightLink(QLabel *label);
    void unhighlightLink(QLabel *label);
    void openLicenceViewer();
    void closeWithResult(int result);

    LicenceViewer *licence_;
    int selfClosedMark_ = 0;
    int tickCount_ = 0; ///< ticks since the box was last shown
    bool licenceOpen_ = false;
    bool closePending_ = false;
};
