#include "message_box.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>

namespace {

QPointer<QWidget> Owner;

// A box only as wide as a short prompt leaves a window manager too little of
// its title bar for the title beside the icon and the three buttons there:
// "Right!" showed as "...". Title bars often use a larger, bold font.
constexpr int Title_Bar_Controls_Width = 160;

int Width_For_Title(const QString &title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) * 5 / 4 + Title_Bar_Controls_Width;
}

} // namespace

void Set_Message_Box_Owner(QWidget *window) { Owner = window; }

void Message_Box(const QString &prompt, Box_Style style, const QString &title)
{
    QMessageBox::Icon icon = style == Box_Style::Error ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, Owner);
    box.setTextFormat(Qt::PlainText);
    if (auto *layout = qobject_cast<QGridLayout *>(box.layout()))
        layout->addItem(new QSpacerItem(Width_For_Title(title), 0), layout->rowCount(), 0, 1,
                        layout->columnCount());
    box.exec();
}
