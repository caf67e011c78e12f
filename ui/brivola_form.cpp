#include "brivola_form.h"

#include "events.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

Ui::Brivola Controls;

// Fonts in pixels keep every text in step with the pixel layout whatever
// logical dpi the desktop reports; on high-dpi screens Qt scales both.
constexpr int Window_Font_Pixels = 11;
constexpr int Courier_Font_Pixels = 13;

void Use_Pixel_Fonts(QWidget *window)
{
    QFont font = window->font();
    font.setPixelSize(Window_Font_Pixels);
    window->setFont(font);
    // The form gives a font of their own only to the Courier New controls.
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->testAttribute(Qt::WA_SetFont)) {
            QFont courier = control->font();
            courier.setPixelSize(Courier_Font_Pixels);
            control->setFont(courier);
        }
    }
}

} // namespace

Ui::Brivola &Form() { return Controls; }

std::unique_ptr<QWidget> Create_Brivola()
{
    auto window = std::make_unique<QWidget>();
    Controls.setupUi(window.get());
    Use_Pixel_Fonts(window.get());
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/brivola-%1.png").arg(size), QSize(size, size));
    window->setWindowIcon(icon);
    // The focus starts at the first control in tab order; when Form_Load
    // disables the field, Qt hands it on to the next enabled one.
    Controls.Text_Zahl->setFocus();
    Connect_Events();
    Form_Load();
    return window;
}

QColor Platform_Colour(uint32_t colour)
{
    if (colour & 0x80000000u) {
        // The desktop's own colours: an input field's background, and the
        // surface of the window that buttons and labels share.
        QPalette::ColorRole role =
            (colour & 0xFFu) == (Colour_Window_Background & 0xFFu) ? QPalette::Base : QPalette::Window;
        return QApplication::palette().color(QPalette::Active, role);
    }
    auto channel = [colour](int shift) { return static_cast<int>((colour >> shift) & 0xFFu); };
    return QColor(channel(0), channel(8), channel(16));
}

void Set_Text_Zahl_Taking_Input(bool taking_input)
{
    QLineEdit *field = Controls.Text_Zahl;
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base,
                     Platform_Colour(taking_input ? Colour_Window_Background : Colour_Button_Face));
    field->setPalette(palette);
    field->setEnabled(taking_input);
    // An opened field is where the player types next.
    if (taking_input)
        field->setFocus();
}

int Caption_Width(const QPushButton *button)
{
    // The same margin around the text that Qt gives a button sized to fit it.
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle *style = button->style();
    return style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width()
           - style->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
}

QString Wrap_Caption(const QString &caption, const QFontMetrics &metrics, int width)
{
    QString wrapped, line;
    for (const QString &word : caption.split(u' ')) {
        if (line.isEmpty())
            line = word;
        else if (metrics.horizontalAdvance(line + u' ' + word) <= width)
            line += u' ' + word;
        else {
            wrapped += line + u'\n';
            line = word;
        }
    }
    return wrapped + line;
}

void Set_Button_Caption(QPushButton *button, const QString &caption)
{
    button->setText(Wrap_Caption(caption, button->fontMetrics(), Caption_Width(button)));
    button->setAccessibleName(caption);
}
