#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

void Message_Box(const QString &prompt, int style, const QString &title)
{
    QMessageBox::Icon icon = style == Box_Style_Error ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
