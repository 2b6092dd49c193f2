#include "classset.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace names = gridora::names;

namespace {

template <class Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString sentence(const names::NameListError &error, const QString &file)
{
    return QString::fromStdString(names::errorSentence(error, file.toStdString()));
}

// A name from a CSV field may hold line breaks; the box holds one per line.
QString asOneLine(const std::string &name)
{
    QString line = QString::fromStdString(name);
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

} // namespace

Tclassset::Tclassset(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("classset"));
    setWindowTitle(QStringLiteral("Class Set"));

    sheetlb = named(new QLabel(this), "sheetlb");
    sheetlb->setWordWrap(true);
    auto *prompt = new QLabel(QStringLiteral("&Names, one per line:"), this);
    namesmm = named(new QPlainTextEdit(this), "namesmm");
    namesmm->setTabChangesFocus(true);
    namesmm->setLineWrapMode(QPlainTextEdit::NoWrap);
    namesmm->setAccessibleName(QStringLiteral("Names, one per line"));
    prompt->setBuddy(namesmm);

    loadbt = named(new QPushButton(QStringLiteral("&Load from File..."), this), "loadbt");
    headercb = named(new QCheckBox(QStringLiteral("First line is a &header"), this), "headercb");
    countlb = named(new QLabel(this), "countlb");
    countlb->setWordWrap(true);
    printbt = named(new QPushButton(QStringLiteral("&Print"), this), "printbt");
    pdfbt = named(new QPushButton(QStringLiteral("Save as P&DF..."), this), "pdfbt");
    closebt = named(new QPushButton(QStringLiteral("Close"), this), "closebt");
    printbt->setDefault(true);
    printbt->setAutoDefault(true);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(loadbt);
    fileRow->addWidget(headercb);
    fileRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printbt);
    buttons->addWidget(pdfbt);
    buttons->addWidget(closebt);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(sheetlb);
    layout->addWidget(prompt);
    layout->addWidget(namesmm, 1);
    layout->addLayout(fileRow);
    layout->addWidget(countlb);
    layout->addLayout(buttons);
    resize(360, 420);

    connect(namesmm, &QPlainTextEdit::textChanged, this, &Tclassset::updateCount);
    connect(headercb, &QCheckBox::toggled, this, &Tclassset::updateCount);
    connect(loadbt, &QPushButton::clicked, this, [this] {
        const QString path = chooseFile();
        if (path.isEmpty())
            return;
        if (const QString error = loadFile(path); !error.isEmpty())
            reportError(error);
    });
    connect(printbt, &QPushButton::clicked, this, [this] { finish(Choice::Print); });
    connect(pdfbt, &QPushButton::clicked, this, [this] { finish(Choice::SavePdf); });
    connect(closebt, &QPushButton::clicked, this, &QDialog::reject);
    updateCount();
}

void Tclassset::setSheet(const QString &sheet)
{
    sheetlb->setText(QStringLiteral("Every name below gets its own page of %1, with the name in the "
                                    "top-left corner, in the order of the list.")
                         .arg(sheet));
}

names::NameList Tclassset::nameList() const
{
    const QByteArray text = namesmm->toPlainText().toUtf8();
    return names::readNameList(std::string_view(text.constData(), std::size_t(text.size())),
                               names::ListFormat::Text,
                               headercb->isChecked() ? names::HeaderRow::Skip : names::HeaderRow::Keep);
}

std::vector<std::string> Tclassset::names() const
{
    names::NameList list = nameList();
    return list.error ? std::vector<std::string>{} : std::move(list.names);
}

QString Tclassset::loadFile(const QString &path)
{
    const QString shown = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read: %2.").arg(shown, file.errorString());
    const QByteArray text = file.read(qint64(names::kMaxListBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("%1 cannot be read: %2.").arg(shown, file.errorString());
    // The header stays in the box, its first line, for the check box to skip.
    const names::NameList list =
        names::readNameList(std::string_view(text.constData(), std::size_t(text.size())),
                            names::formatOfFile(path.toStdString()), names::HeaderRow::Keep);
    if (list.error)
        return sentence(*list.error, shown);
    QStringList lines;
    for (const std::string &name : list.names)
        lines << asOneLine(name);
    namesmm->setPlainText(lines.join(QLatin1Char('\n')));
    return {};
}

void Tclassset::updateCount()
{
    const names::NameList list = nameList();
    const bool ready = !list.error;
    if (ready)
        countlb->setText(list.names.size() == 1 ? QStringLiteral("1 page will print.")
                                                : QStringLiteral("%1 pages will print.").arg(list.names.size()));
    else if (list.error->line == 0 && namesmm->toPlainText().trimmed().isEmpty())
        countlb->setText(QStringLiteral("No names yet."));
    else
        countlb->setText(sentence(*list.error, QString()));
    printbt->setEnabled(ready);
    pdfbt->setEnabled(ready);
}

void Tclassset::finish(Choice choice)
{
    choice_ = choice;
    accept();
}

QString Tclassset::chooseFile()
{
    return QFileDialog::getOpenFileName(this, QStringLiteral("Load Names"), QString(),
                                        QStringLiteral("Names (*.txt *.csv);;All files (*)"));
}

void Tclassset::reportError(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Class Set"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
