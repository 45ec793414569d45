#pragma once

// The reading table: the only child window of the result frame (FrmMDI), on
// which the cards of a reading lie with their pictures and position numbers.
//
// Controls (objectName scheme for the arrays):
//   "p_0" .. "p_9"     card boxes (QLabel). Box i shows the card of position i
//                      and takes the size of the picture put into it.
//   "lbl_0" .. "lbl_9" position numbers "1" .. "10" (QLabel), children of their
//                      box at its top-left corner, so they move with it.
//   "Img"              hidden scratch image that receives the turned picture.
// All boxes and labels start hidden and disabled. The table's client area is
// 11805 x 27225 twips; the frame's MDI area scrolls it.
//
// For an automatic reading the table's Load clears the reading text, writes
// the header, draws and lays out the cards (DONE1..DONE6, chosen by the
// reading's choices), turns reversed cards by 180 degrees and the crossing
// card by 90, writes the body of the reading and shows it from its first line.
// For a manual reading Load writes the header and only empties the boxes; the
// manual window then deals onto them.
//
// Long work yields to the event loop (the draw before every attempt, the
// rotation once per column). Events handled meanwhile may close the frame or
// restart the reading: the table then abandons the layout at the next yield
// instead of touching a window that is going away, and a second Load or
// rotation started from such an event is refused.

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class QMdiSubWindow;
class QTextEdit;

namespace kestrune::reading_ui {

class FrmMDI;

class FrmAuto : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBoxCount = 10;
    static constexpr int kTableWidthTwips = 11805;
    static constexpr int kTableHeightTwips = 27225;

    // Builds the controls only; the accessor frmAuto() puts the table into the
    // frame and runs Form_Load.
    explicit FrmAuto(QWidget* parent = nullptr);
    ~FrmAuto() override;

    // The start-up sequence (see the header comment). Runs once; a call made
    // while it runs (from an event handled during a yield) does nothing.
    void Form_Load();

    // The six draw-and-lay-out variants; each runs only for its own choices.
    void DONE1(int no);
    void DONE2(int no);
    void DONE3(int no);
    void DONE4(int no);
    void DONE5(int no);
    void DONE6(int no);

    // Turns the last loaded card picture (sourcePicture) by the angle and puts
    // the result into Img. A failure leaves Img unchanged.
    void RotateImage(double RotAngel);
    // Loads a card picture file as the picture to turn (and into Img).
    // Returns false when the file cannot be read (the source stays as it was).
    bool LoadSourcePicture(const QString& path);
    void setSourcePicture(const QImage& picture);
    QImage sourcePicture() const { return m_source; }
    QImage turnedPicture() const { return m_turned; }
    // The picture Img holds.
    QImage imgPicture() const { return m_imgPicture; }

    // Removes the pictures of all ten card boxes.
    void Clear_PicBox();

    // Puts a picture into box i; the box takes the picture's size. A null
    // picture leaves the box as it was (a missing card file shows no error).
    void SetBoxPicture(int i, const QImage& picture);
    // Moves box i to a place in twips of the table's client area.
    void MoveBoxTwips(int i, int leftTwips, int topTwips);
    // Enables and shows box i / label i.
    void ShowBox(int i);
    void ShowLabel(int i);

    QLabel* p(int i) const;
    QLabel* lbl(int i) const;
    QLabel* Img() const { return m_img; }

    // The MDI subwindow holding the table (null before it is put in a frame),
    // the frame and its reading text.
    QMdiSubWindow* subWindow() const;
    FrmMDI* frame() const;
    QTextEdit* resultText() const;

    // Shows the table (and with it the frame) at the top-left corner of the
    // frame's client area.
    void Show();

    // True while Form_Load or a deal is laying cards out on the table.
    bool isLayingOut() const { return m_layingOut; }
    void setLayingOut(bool on) { m_layingOut = on; }
    // Asks the running layout to stop at its next yield; used when the frame
    // or the table closes while cards are being laid out.
    void abandonLayout();
    bool isAbandoned() const { return m_abandoned; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void runVariant(int no, bool reversal);
    // True while this table can go on laying out.
    bool keepGoing() const { return !m_abandoned; }

    std::array<QLabel*, kBoxCount> m_p {};
    std::array<QLabel*, kBoxCount> m_lbl {};
    QLabel* m_img = nullptr;
    QImage m_source;  // the card picture last loaded for turning
    QImage m_turned;  // the turned picture returned by the rotation
    QImage m_imgPicture;
    bool m_loaded = false;
    bool m_layingOut = false;
    bool m_abandoned = false;
    bool m_rotating = false;
};

// Opens the reading table of an automatic reading: creates it inside the
// result frame (creating the frame if needed) with its Load, then shows it at
// the frame's top-left corner. Returns false when the reading was closed or
// restarted while the table was being laid out (nothing is shown then).
bool ShowReadingTable();

} // namespace kestrune::reading_ui
