#include "output/ausgabeform.h"

#include "common/keys.h"
#include "common/look.h"
#include "ui_ausgabeform.h"

#include <QTextCursor>

namespace temparoka {

Tausform::Tausform(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Tausform>())
{
    ui->setupUi(this);
    setWindowIcon(pictureIcon(QStringLiteral(":/pictures/icon_output.png")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(pixelFont(11));
    ui->SpendeKnopf->setFont(pixelFont(11, true));
    ui->ausfenster->setFont(pixelFont(16, false, QStringLiteral("Century Gothic")));
    // Black on white whatever the desktop theme: the colours carry the languages.
    QPalette paper = ui->ausfenster->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    ui->ausfenster->setPalette(paper);
    // Read aloud as the reading, in both languages, Indonesian first.
    ui->ausfenster->setAccessibleName(QStringLiteral("Ramalan"));
    ui->ausfenster->setAccessibleDescription(QStringLiteral("Your reading, in Indonesian and then in English"));

    m_format.setForeground(QColor(0, 0, 0));
    m_format.setFontWeight(QFont::Normal);

    // Neither button is the window's default: Enter presses the one that
    // has the focus, as Space does.
    enterPressesFocusedButton(this);

    connect(ui->SpendeKnopf, &QPushButton::clicked, this, &Tausform::SpendeKnopfClick);
    connect(ui->ende, &QPushButton::clicked, this, &Tausform::endeClick);
}

Tausform::~Tausform() = default;

QTextEdit* Tausform::ausfenster() const
{
    return ui->ausfenster;
}

void Tausform::clear()
{
    ui->ausfenster->clear();
    m_hasLines = false;
}

void Tausform::setColour(TextColour colour)
{
    m_format.setForeground(colour == TextColour::Blue ? QColor(0, 0, 255) : QColor(0, 0, 0));
}

void Tausform::setBold(bool bold)
{
    m_format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
}

void Tausform::appendLine(std::string_view line)
{
    QTextCursor cursor(ui->ausfenster->document());
    cursor.movePosition(QTextCursor::End);
    if (m_hasLines)
        cursor.insertBlock();
    // The block's own format gives a blank line its colour too.
    cursor.setBlockCharFormat(m_format);
    cursor.insertText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())), m_format);
    m_hasLines = true;
}

void Tausform::caretToStart()
{
    ui->ausfenster->moveCursor(QTextCursor::Start);
}

void Tausform::SpendeKnopfClick()
{
    if (m_donationWindow)
        m_donationWindow->exec();
}

void Tausform::endeClick()
{
    reject();
}

}  // namespace temparoka
