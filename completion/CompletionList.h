#pragma once

#include "editor/EditorModel.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

struct MainUnit;

// The icon a row shows beside its name, which tells its kind: Function for a
// method, Property for a property (the two icons of the objects' members),
// then the script's variables and constants, procedures (and the built-in
// functions), classes, and the language's keywords.
enum class RowIcon { Function, Property, Variable, Procedure, Class, Keyword };

struct CompletionRow {
    std::string Name;
    RowIcon Icon = RowIcon::Property;
    bool operator==(const CompletionRow&) const = default;
};

// The completion list `Lst`: the members of one object type, placed just
// below the caret (above it, and further left, where the window ends). It holds the rows, the selection and the geometry; the
// widget only paints them and forwards double clicks. It never takes the
// keyboard focus from the editor.
class CompletionList {
public:
    static constexpr int kWidth = 137;
    static constexpr int kRowHeight = 18;
    static constexpr int kTallHeight = 170;  // more than kTallRows rows
    static constexpr int kTallRows = 8;
    // A row draws its 16 x 16 icon at (left + 2, top + 2) and its text at (left + 24, top), "Tahoma" 8 pt.
    static constexpr int kIconInset = 2;
    static constexpr int kTextLeft = 24;

    // Rows shared, never changed once made: a list shown again is the same rows, known without comparing them.
    using SharedRows = std::shared_ptr<const std::vector<CompletionRow>>;

    explicit CompletionList(MainUnit& unit);

    // PlaceLB: refills the list with the syntax entries of the type (TypeA
    // compared ignoring case), sorted ignoring case, and opens it at the
    // caret. A type without entries leaves the list empty and closed.
    void PlaceLB(std::string_view typeName);
    // What the rows complete: a member after the "." in front of the caret, or
    // (Ctrl+Space) the name the caret stands in or after.
    enum class Completes { Member, Name };
    // Fills the list with the rows as given (in their order) and opens it at the caret.
    void PlaceRows(std::vector<CompletionRow> rows, Completes completes);
    void PlaceRows(SharedRows rows, Completes completes);

    // Down: the next row, from the last back to the first.
    void Next();
    // Up: the previous row, from the first (or none) to the last.
    void Previous();
    // Selects the first row that begins with the letters typed after the dot
    // (ignoring case); keeps the selection when none does.
    void FollowPrefix();

    // Enter (13), Space (32), the 9 key (57) and the quote key (222) accept;
    // Backspace (8) right after the dot closes the list. Other keys do nothing.
    void LstKeyDown(int key);
    // Accepts as the 9 key does; nothing is typed after the name.
    void LstDblClick();
    // Writes the selected row's name over the name after the dot (the typed
    // prefix and the name characters after it) under Busy, then closes the list.
    void Accept();
    void Close();

    bool IsOpen() const { return open_; }
    const std::vector<CompletionRow>& Rows() const { return *rows_; }
    const SharedRows& Shared() const { return rows_; }
    int ItemIndex() const { return itemIndex_; }  // -1: none
    void SetItemIndex(int index);                 // a click on a row
    // Top-left corner in the main window's client coordinates.
    Point Position() const { return position_; }
    int Height() const { return height_; }
    int Width() const { return width_; }

    // Told after every change of rows, selection, geometry or visibility.
    std::function<void()> OnChanged;
    // Converts the editor's client coordinates to the main window's; identity when unset.
    std::function<Point(Point)> MapToWindow;
    // Gives the editor the keyboard focus if it lost it (after an acceptance).
    std::function<void()> FocusEditor;
    // The width the rows need (icon, longest name, scroll bar); unset: kWidth.
    std::function<int(const SharedRows&)> MeasureWidth;
    // The main window's client area (x: width, y: height) the list stays in; unset: no bounds.
    std::function<Point()> ClientSize;

private:
    // Offset just after the "." in front of the caret on the caret's line; -1 when there is none.
    // For a list of names, the start of the name in front of the caret.
    int PrefixStart() const;
    void Open();
    // The list's top-left corner moved so the list stays inside the client area.
    Point KeptInside(Point place, int caretTop, Point client) const;
    void Changed();

    MainUnit& unit_;
    SharedRows rows_;  // never null
    int itemIndex_ = -1;
    bool open_ = false;
    Completes completes_ = Completes::Member;
    Point position_;
    int height_ = 0;
    int width_ = kWidth;
};

// Letters, digits and "_": the characters a member's name is made of.
bool IsMemberNameChar(char ch);

// The list's height for a number of rows: 170 above 8 rows, else 20 per row less 10.
int CompletionListHeight(int rows);

}  // namespace tarnwick
