// Controls: the pieces a form is made of. A control has a name (the name the game and the
// console use), a place relative to its parent, visibility, an enabled state, a z-order among
// its siblings and mouse events. Controls are created once with their form and live as long.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"

namespace platform {

class Canvas;
class Form;
class Application;

struct Color {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    static Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return Color{r, g, b, 255}; }
};

namespace colors {
inline constexpr Color kBlack{0, 0, 0, 255};
inline constexpr Color kWhite{255, 255, 255, 255};
inline constexpr Color kParchment{232, 218, 184, 255};
inline constexpr Color kInk{40, 28, 16, 255};
inline constexpr Color kGold{222, 184, 88, 255};
inline constexpr Color kPanel{38, 32, 26, 255};
inline constexpr Color kPanelLight{70, 58, 44, 255};
inline constexpr Color kGrey{128, 128, 128, 255};
inline constexpr Color kTransparent{0, 0, 0, 0};
}  // namespace colors

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

enum class MouseButton { Left, Right, Middle };

enum class Align { Left, Center, Right };

class Control {
  public:
    Control(Control* parent, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    virtual const char* Kind() const { return "Control"; }

    // Creates a child control owned by this one, on top of its siblings.
    template <class T, class... Args>
    T* Add(Args&&... args) {
        auto child = std::make_unique<T>(this, std::forward<Args>(args)...);
        T* raw = child.get();
        children_.push_back(std::move(child));
        Invalidate();
        return raw;
    }

    Control* Parent() const { return parent_; }
    Form* OwnerForm();
    const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }
    // The descendant with this name (depth first), or null.
    Control* Find(const std::string& name);

    int Left() const { return bounds_.x; }
    int Top() const { return bounds_.y; }
    int Width() const { return bounds_.w; }
    int Height() const { return bounds_.h; }
    const Rect& Bounds() const { return bounds_; }
    void SetLeft(int x);
    void SetTop(int y);
    void SetWidth(int w);
    void SetHeight(int h);
    void SetBounds(int x, int y, int w, int h);
    void SetPosition(int x, int y);
    // Bounds in canvas coordinates.
    Rect ScreenBounds() const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent up to the form visible too.
    bool Showing() const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    void BringToFront();
    void SendToBack();

    // The text a player reads on the control (the console finds buttons by it).
    virtual std::string Caption() const { return {}; }
    // Whether the caption shows whole in the control's font and size (layout checks).
    virtual bool CaptionFits(Canvas& canvas) const {
        (void)canvas;
        return true;
    }

    // Redraw is needed.
    void Invalidate();

    // Mouse events, in the control's own coordinates where a position is given.
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(MouseButton, int, int)> OnMouseDown;
    std::function<void(MouseButton, int, int)> OnMouseUp;
    std::function<void(int, int)> OnMouseMove;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    // Whether the mouse reaches this control (labels and decorations let it through when
    // they have no handlers).
    virtual bool HitTestable() const;
    // Keyboard focus (edit boxes).
    virtual bool WantsKeyboard() const { return false; }
    virtual void KeyText(const std::string& /*utf8*/) {}
    virtual void KeyEdit(int /*key*/) {}

    // Draws the control at its canvas position; children are drawn by DrawTree.
    virtual void Paint(Canvas& canvas, const Rect& screen);
    void DrawTree(Canvas& canvas, int originX, int originY);

    // Called by the application with the control under the mouse.
    virtual void MouseDown(MouseButton button, int x, int y);
    virtual void MouseUp(MouseButton button, int x, int y);
    virtual void Click();
    virtual void DoubleClick();

  protected:
    Application* App() const;

  private:
    friend class Application;
    Control* parent_;
    std::string name_;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::vector<std::unique_ptr<Control>> children_;
};

// A picture control: shows a picture loaded by bare file name, stretched to the control or drawn
// at its own size. A picture that cannot be loaded leaves the control empty; the application's
// error box reports it once per file name.
class Picture : public Control {
  public:
    Picture(Control* parent, std::string name) : Control(parent, std::move(name)) {}
    const char* Kind() const override { return "Picture"; }

    // Loads the file now (from disk, every time). Returns false when it could not be loaded.
    bool LoadPicture(const std::string& fileName);
    void SetImage(ImagePtr image, std::string fileName);
    void Clear();
    const std::string& FileName() const { return fileName_; }
    const ImagePtr& PictureImage() const { return image_; }
    void SetStretch(bool stretch);
    bool Stretch() const { return stretch_; }
    // Takes the control's size from the picture (for pictures drawn at their own size).
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    // Draw the picture's pure magenta pixels as transparent (for map icons drawn over tiles).
    void SetTransparentKey(bool key);

    void Paint(Canvas& canvas, const Rect& screen) override;

  private:
    ImagePtr image_;
    std::string fileName_;
    bool stretch_ = true;
    bool autoSize_ = false;
    bool transparentKey_ = false;
};

// A text label. "&&" in a caption shows as one "&".
class Label : public Control {
  public:
    Label(Control* parent, std::string name) : Control(parent, std::move(name)) {}
    const char* Kind() const override { return "Label"; }

    void SetCaption(std::string caption);
    std::string Caption() const override { return caption_; }
    void SetFontSize(int size);
    int FontSize() const { return fontSize_; }
    void SetBold(bool bold);
    void SetColor(Color color);
    void SetAlign(Align align);
    void SetWordWrap(bool wrap);
    // Paints its background (else transparent).
    void SetBackground(Color color);

    bool CaptionFits(Canvas& canvas) const override;
    void Paint(Canvas& canvas, const Rect& screen) override;

  private:
    std::string caption_;
    int fontSize_ = 14;
    bool bold_ = false;
    Color color_ = colors::kParchment;
    Color background_ = colors::kTransparent;
    Align align_ = Align::Left;
    bool wordWrap_ = false;
};

// A flat button with a caption and/or a picture; disabled buttons are drawn greyed.
class SpeedButton : public Control {
  public:
    SpeedButton(Control* parent, std::string name) : Control(parent, std::move(name)) {}
    const char* Kind() const override { return "SpeedButton"; }

    void SetCaption(std::string caption);
    std::string Caption() const override { return caption_; }
    bool LoadGlyph(const std::string& fileName);
    void SetFontSize(int size);
    void SetDown(bool down);  // drawn pressed (for toggles)

    bool CaptionFits(Canvas& canvas) const override;
    void Paint(Canvas& canvas, const Rect& screen) override;
    void MouseDown(MouseButton button, int x, int y) override;
    void MouseUp(MouseButton button, int x, int y) override;

  private:
    std::string caption_;
    ImagePtr glyph_;
    std::string glyphName_;
    int fontSize_ = 15;
    bool pressed_ = false;
    bool down_ = false;
};

// A plain rectangle that groups controls.
class Panel : public Control {
  public:
    Panel(Control* parent, std::string name) : Control(parent, std::move(name)) {}
    const char* Kind() const override { return "Panel"; }
    void SetColor(Color color);
    void SetBorder(bool border);
    void SetCaption(std::string caption);
    std::string Caption() const override { return caption_; }
    void Paint(Canvas& canvas, const Rect& screen) override;

  private:
    Color color_ = colors::kPanel;
    bool border_ = true;
    std::string caption_;
};

// A one-line text box with a caret (UTF-8).
class Edit : public Control {
  public:
    Edit(Control* parent, std::string name) : Control(parent, std::move(name)) {}
    const char* Kind() const override { return "Edit"; }
    void SetText(std::string text);
    const std::string& Text() const { return text_; }
    std::string Caption() const override { return text_; }
    void SetMaxLength(size_t bytes) { maxLength_ = bytes; }
    std::function<void()> OnChange;

    bool WantsKeyboard() const override { return Enabled(); }
    void KeyText(const std::string& utf8) override;
    void KeyEdit(int key) override;
    void Paint(Canvas& canvas, const Rect& screen) override;
    void MouseDown(MouseButton button, int x, int y) override;

    enum Key { kBackspace = 1, kDelete, kLeft, kRight, kHome, kEnd };

  private:
    std::string text_;
    size_t caret_ = 0;  // byte offset, always on a character boundary
    size_t maxLength_ = 255;
};

// A radio button; checking one unchecks the others of the same parent.
class RadioButton : public Control {
  public:
    RadioButton(Control* parent, std::string name) : Control(parent, std::move(name)) {}
    const char* Kind() const override { return "RadioButton"; }
    void SetCaption(std::string caption);
    std::string Caption() const override { return caption_; }
    void SetChecked(bool checked);
    bool Checked() const { return checked_; }
    void Click() override;
    bool CaptionFits(Canvas& canvas) const override;
    void Paint(Canvas& canvas, const Rect& screen) override;

  private:
    std::string caption_;
    bool checked_ = false;
};

// A drop-down list; a click steps through the items (the list opens below the box).
class ComboBox : public Control {
  public:
    ComboBox(Control* parent, std::string name) : Control(parent, std::move(name)) {}
    const char* Kind() const override { return "ComboBox"; }
    void SetItems(std::vector<std::string> items);
    const std::vector<std::string>& Items() const { return items_; }
    void SetItemIndex(int index);
    int ItemIndex() const { return index_; }
    std::string Caption() const override;
    std::function<void()> OnChange;
    void Click() override;
    void MouseDown(MouseButton button, int x, int y) override;
    void Paint(Canvas& canvas, const Rect& screen) override;

  private:
    std::vector<std::string> items_;
    int index_ = -1;
};

class ProgressBar : public Control {
  public:
    ProgressBar(Control* parent, std::string name) : Control(parent, std::move(name)) {}
    const char* Kind() const override { return "ProgressBar"; }
    void SetRange(int min, int max);
    void SetPosition(int position);
    int Position() const { return position_; }
    void Paint(Canvas& canvas, const Rect& screen) override;

  private:
    int min_ = 0, max_ = 100, position_ = 0;
};

// Turns "&&" into "&" (single "&" marks no accelerator here and is shown as it is).
std::string DisplayCaption(const std::string& caption);

}  // namespace platform
