#include "licenseform.h"

#include "agreement_strip.h"
#include "image_surface.h"
#include "dialog_widgets.h"

#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>

namespace {

constexpr int agreementWidth = 450;
constexpr int agreementHeight = 1400;
constexpr int windowWidth = 447;
constexpr int windowHeight = 215;
constexpr int stepCount = 100;

// The agreement picture compiled in by the build, in the viewer's format: one
// bit per pixel with index 0 black and index 1 white, whatever palette order
// the PNG came back with. A missing picture leaves a blank page of the right
// size rather than breaking the scroll arithmetic.
QImage loadAgreement()
{
    const QImage loaded(QStringLiteral(":/gridora/agreement.png"));
    if (loaded.isNull()) {
        QImage blank(agreementWidth, agreementHeight, QImage::Format_Mono);
        blank.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        blank.fill(1);
        return blank;
    }
    const QList<QRgb> blackWhite{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    if (loaded.format() == QImage::Format_Mono && loaded.colorTable() == blackWhite)
        return loaded; // as the build writes it: converting would only cost start-up time
    return loaded.convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_Mono, blackWhite);
}

} // namespace

// textim (never shown) and partim's picture, each a surface of the canvas
// layer so that the strip copy is the canvas's own CopyRect.
struct Tlicensefrm::Pictures {
    gridora::dialogs::PictureSurface textim{loadAgreement()};
    gridora::ImageSurface partim{windowWidth, windowHeight};
    gridora::TCanvas textimCanvas{&textim};
    gridora::TCanvas partimCanvas{&partim};
};

Tlicensefrm::Tlicensefrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          // Only the About box opens the viewer, and that box
                          // stays on top: so must the viewer, to be seen.
                          | Qt::WindowStaysOnTopHint),
      pictures_(std::make_unique<Pictures>())
{
    setObjectName(QStringLiteral("Tlicensefrm"));
    setWindowTitle(QStringLiteral("License Agreement"));
    setFixedSize(488, 287);
    setFont(gridora::dialogs::dialogFont());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    // Creation order is the tab order: the group box with its scroll bar
    // first, then the button.
    textgb = new QGroupBox(QStringLiteral("Agreement"), this);
    textgb->setObjectName(QStringLiteral("textgb"));
    textgb->setGeometry(8, 8, 473, 233);

    partim = new gridora::dialogs::PictureBox(&pictures_->partim.image(), textgb);
    partim->setObjectName(QStringLiteral("partim"));
    partim->setGeometry(2, 14, windowWidth, windowHeight);

    updwnsb = new gridora::dialogs::StepScrollBar(textgb);
    updwnsb->setObjectName(QStringLiteral("updwnsb"));
    updwnsb->setGeometry(451, 8, 18, 225);
    updwnsb->setRange(0, 100);
    updwnsb->setSingleStep(1);
    // Qt has no separate page size: the page step also sizes the thumb, and
    // 1 gives both the large step of one and the smallest thumb.
    updwnsb->setPageStep(1);
    connect(updwnsb, &QScrollBar::valueChanged, this, [this] { updwnsbChange(); });

    okbt2 = new QPushButton(QStringLiteral("&Ok"), this);
    okbt2->setObjectName(QStringLiteral("okbt2"));
    okbt2->setGeometry(184, 248, 89, 33);
    // Return means "&Ok" wherever the focus is; Escape is the close box.
    okbt2->setDefault(true);
    connect(okbt2, &QPushButton::clicked, this, [this] { done(1); });

    FormCreate();
}

Tlicensefrm::~Tlicensefrm() = default;

void Tlicensefrm::FormCreate()
{
    updwnsb->setMaximum(textimTag_);
    updwnsb->setValue(0);
    updwnsbChange(); // the first strip: rows 0 to 214
}

int Tlicensefrm::stripOffset(int position)
{
    return gridora::dialogs::stripOffset(position, agreementHeight, windowHeight, stepCount);
}

const QImage &Tlicensefrm::agreementPicture() const
{
    return pictures_->textim.picture();
}

const QImage &Tlicensefrm::windowPicture() const
{
    return pictures_->partim.image();
}

void Tlicensefrm::updwnsbChange()
{
    const int offset = gridora::dialogs::stripOffset(updwnsb->value(), pictures_->textim.height(),
                                                     pictures_->partim.height(), textimTag_);
    gridora::dialogs::copyStrip(pictures_->partimCanvas, pictures_->textimCanvas, offset);
    partim->update();
}

void Tlicensefrm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        gridora::dialogs::centreOnScreen(this);
    QDialog::showEvent(event);
}
