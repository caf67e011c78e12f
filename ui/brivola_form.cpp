#include "brivola_form.h"

#include "events.h"
#include "palette_colours.h"
#include "runtime/message_box.h"
#include "speech.h"

#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>

namespace {

Ui::Brivola Controls;
QPointer<QWidget> Window; // the window the controls belong to

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

// Fusion draws a group box's caption above its frame; the classic style draws
// it over the top border line, broken where the caption stands. Only the frame
// takes that style: its option buttons keep the window's.
void Draw_Caption_In_Border(QGroupBox *frame)
{
    if (QStyle *classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        classic->setParent(frame);
        frame->setStyle(classic);
    }
}

// Qt moves between option buttons by where they stand, so for two options one
// above the other only Up and Down would. Like Qt's own move, Left and Right
// take the focus to the other option and click it.
void Move_With_Arrow(Qt::Key key, QRadioButton *from, QRadioButton *to)
{
    auto move = [to] {
        to->setFocus(Qt::TabFocusReason);
        to->click();
    };
    new QShortcut(key, from, move, Qt::WidgetShortcut);
}

// A caption keeps this clear of each side of its button. The styles' own
// margins differ: Windows' would have broken "Neues Spiel starten", which fits.
constexpr int Caption_Clearance = 4;

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

} // namespace

Ui::Brivola &Form()
{
    // Once their window is gone, the controls read as null rather than
    // pointing at destroyed widgets.
    if (!Window)
        Controls = Ui::Brivola();
    return Controls;
}

std::unique_ptr<QWidget> Create_Brivola()
{
    auto window = std::make_unique<QWidget>();
    // Before the form: where a screen reader listens, Qt reads the window's
    // role as soon as the form gives it a title, and keeps what it read.
    Create_Speech_Carrier(window.get());
    Controls.setupUi(window.get());
    Window = window.get();
    Use_Pixel_Fonts(window.get());
    Follow_Palette_Changes(window.get());
    Set_Label_Colours();
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/brivola-%1.png").arg(size), QSize(size, size));
    window->setWindowIcon(icon);
    window->setWindowTitle(QStringLiteral(BRIVOLA_NAME "; " BRIVOLA_RIGHTS));
    Draw_Caption_In_Border(Controls.Frame_Sprache);
    Move_With_Arrow(Qt::Key_Right, Controls.Option_English, Controls.Option_Deutsch);
    Move_With_Arrow(Qt::Key_Left, Controls.Option_Deutsch, Controls.Option_English);
    Set_Message_Box_Owner(window.get());
    // The focus starts at the first control in tab order; when Form_Load
    // disables the field, Qt hands it on to the next enabled one.
    Controls.Text_Zahl->setFocus();
    Connect_Events();
    Form_Load();
    window->show();
    // A keyboard player sees where the keys go from the first frame on, not
    // only after a first Tab. Showing a window clears this, so it comes after.
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    return window;
}

void Set_Text_Zahl_Taking_Input(bool taking_input)
{
    Set_Text_Zahl_Colour(taking_input ? Field_Colour::Input_Background : Field_Colour::Button_Face);
    Controls.Text_Zahl->setEnabled(taking_input);
    // An opened field is where the player types next.
    if (taking_input)
        Controls.Text_Zahl->setFocus();
}

void Set_Button_Caption(QPushButton *button, const QString &caption)
{
    button->setText(Left_To_Right_Mark
                    + Wrap_Caption(caption, button->fontMetrics(), button->width() - 2 * Caption_Clearance));
    button->setAccessibleName(caption);
}
