#include "platform/control.h"

#include <algorithm>

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/form.h"

namespace platform {

Control::Control(Control* parent, std::string name) : parent_(parent), name_(std::move(name)) {}

Control::~Control() {
    children_.clear();
    if (Application* app = Application::Instance()) app->ControlDestroyed(this);
}

Application* Control::App() const {
    return Application::Instance();
}

Form* Control::OwnerForm() {
    Control* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<Form*>(c);
}

Control* Control::Find(const std::string& name) {
    for (auto& child : children_) {
        if (child->Name() == name) return child.get();
    }
    for (auto& child : children_) {
        if (Control* found = child->Find(name)) return found;
    }
    return nullptr;
}

void Control::SetLeft(int x) {
    SetBounds(x, bounds_.y, bounds_.w, bounds_.h);
}
void Control::SetTop(int y) {
    SetBounds(bounds_.x, y, bounds_.w, bounds_.h);
}
void Control::SetWidth(int w) {
    SetBounds(bounds_.x, bounds_.y, w, bounds_.h);
}
void Control::SetHeight(int h) {
    SetBounds(bounds_.x, bounds_.y, bounds_.w, h);
}
void Control::SetPosition(int x, int y) {
    SetBounds(x, y, bounds_.w, bounds_.h);
}

void Control::SetBounds(int x, int y, int w, int h) {
    Rect r{x, y, std::max(0, w), std::max(0, h)};
    if (r.x == bounds_.x && r.y == bounds_.y && r.w == bounds_.w && r.h == bounds_.h) return;
    Invalidate();  // where it was
    bounds_ = r;
    Invalidate();  // where it is
}

Rect Control::ScreenBounds() const {
    Rect r = bounds_;
    for (const Control* p = parent_; p; p = p->parent_) {
        r.x += p->bounds_.x;
        r.y += p->bounds_.y;
    }
    return r;
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Invalidate();
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_) {
        if (!c->visible_) return false;
    }
    return true;
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Invalidate();
}

void Control::BringToFront() {
    if (!parent_) return;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [this](const auto& p) { return p.get() == this; });
    if (it == siblings.end() || it + 1 == siblings.end()) return;
    std::rotate(it, it + 1, siblings.end());
    Invalidate();
}

void Control::SendToBack() {
    if (!parent_) return;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [this](const auto& p) { return p.get() == this; });
    if (it == siblings.end() || it == siblings.begin()) return;
    std::rotate(siblings.begin(), it, it + 1);
    Invalidate();
}

void Control::Invalidate() {
    Application* app = App();
    if (!app) return;
    if (!parent_) {
        app->Invalidate();  // a form: its whole area (and what it covered) changes
        return;
    }
    app->InvalidateRect(ScreenBounds());
}

bool Control::HitTestable() const {
    return OnClick || OnDblClick || OnMouseDown || OnMouseUp || OnMouseMove || OnMouseEnter ||
           OnMouseLeave;
}

void Control::Paint(Canvas&, const Rect&) {}

void Control::DrawTree(Canvas& canvas, int originX, int originY) {
    if (!visible_) return;
    Rect screen{originX + bounds_.x, originY + bounds_.y, bounds_.w, bounds_.h};
    Rect saved = canvas.Clip();
    Paint(canvas, screen);
    if (!children_.empty()) {
        Rect inner = screen;
        int x1 = std::max(saved.x, inner.x), y1 = std::max(saved.y, inner.y);
        int x2 = std::min(saved.x + saved.w, inner.x + inner.w);
        int y2 = std::min(saved.y + saved.h, inner.y + inner.h);
        canvas.SetClip(Rect{x1, y1, std::max(0, x2 - x1), std::max(0, y2 - y1)});
        for (auto& child : children_)
            child->DrawTree(canvas, screen.x, screen.y);
        canvas.SetClip(saved);
    }
}

void Control::MouseDown(MouseButton button, int x, int y) {
    if (OnMouseDown) OnMouseDown(button, x, y);
}

void Control::MouseUp(MouseButton button, int x, int y) {
    if (OnMouseUp) OnMouseUp(button, x, y);
}

void Control::Click() {
    if (OnClick) OnClick();
}

void Control::DoubleClick() {
    if (OnDblClick) OnDblClick();
}

std::string DisplayCaption(const std::string& caption) {
    std::string out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        out.push_back(caption[i]);
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&') ++i;
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Picture

bool Picture::LoadPicture(const std::string& fileName) {
    std::string error;
    ImagePtr image = LoadImageFile(fileName, error);
    if (!image) {
        image_.reset();
        fileName_ = fileName;
        Invalidate();
        if (Application* app = App()) app->ReportError(error, "picture:" + fileName);
        return false;
    }
    SetImage(std::move(image), fileName);
    return true;
}

void Picture::SetImage(ImagePtr image, std::string fileName) {
    image_ = std::move(image);
    fileName_ = std::move(fileName);
    if (autoSize_ && image_) SetBounds(Left(), Top(), image_->Width(), image_->Height());
    Invalidate();
}

void Picture::Clear() {
    image_.reset();
    fileName_.clear();
    Invalidate();
}

void Picture::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void Picture::SetTransparentKey(bool key) {
    transparentKey_ = key;
    Invalidate();
}

void Picture::Paint(Canvas& canvas, const Rect& screen) {
    if (image_) canvas.DrawImage(*image_, screen, stretch_, transparentKey_);
}

// ---------------------------------------------------------------------------------------------
// Label

void Label::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    Invalidate();
}

void Label::SetFontSize(int size) {
    fontSize_ = size;
    Invalidate();
}

void Label::SetBold(bool bold) {
    bold_ = bold;
    Invalidate();
}

void Label::SetColor(Color color) {
    color_ = color;
    Invalidate();
}

void Label::SetAlign(Align align) {
    align_ = align;
    Invalidate();
}

void Label::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    Invalidate();
}

void Label::SetBackground(Color color) {
    background_ = color;
    Invalidate();
}

bool Label::CaptionFits(Canvas& canvas) const {
    return canvas.TextFits(DisplayCaption(caption_), Rect{0, 0, Width(), Height()}, fontSize_,
                           bold_, wordWrap_);
}

void Label::Paint(Canvas& canvas, const Rect& screen) {
    canvas.Fill(screen, background_);
    Color c = Enabled() ? color_ : colors::kGrey;
    canvas.DrawText(DisplayCaption(caption_), screen, fontSize_, bold_, c, align_, wordWrap_,
                    false);
}

// ---------------------------------------------------------------------------------------------
// SpeedButton

void SpeedButton::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    Invalidate();
}

bool SpeedButton::LoadGlyph(const std::string& fileName) {
    std::string error;
    ImagePtr image = LoadImageFile(fileName, error);
    glyphName_ = fileName;
    glyph_ = image;
    Invalidate();
    if (!image) {
        if (Application* app = App()) app->ReportError(error, "picture:" + fileName);
        return false;
    }
    return true;
}

void SpeedButton::SetFontSize(int size) {
    fontSize_ = size;
    Invalidate();
}

void SpeedButton::SetDown(bool down) {
    down_ = down;
    Invalidate();
}

// The area of a button's caption: inside the frames, right of a glyph.
Rect ButtonCaptionArea(const Rect& screen, const Image* glyph) {
    Rect area{screen.x + 3, screen.y + 3, screen.w - 6, screen.h - 6};
    if (glyph) {
        const int side = std::min(area.h, glyph->Width());
        area.x += side + 4;
        area.w -= side + 4;
    }
    return area;
}

bool SpeedButton::CaptionFits(Canvas& canvas) const {
    const Rect area = ButtonCaptionArea(Rect{0, 0, Width(), Height()}, glyph_.get());
    return canvas.TextFits(DisplayCaption(caption_), area, fontSize_, true, true);
}

void SpeedButton::Paint(Canvas& canvas, const Rect& screen) {
    const bool sunk = pressed_ || down_;
    Color face = Enabled() ? colors::kPanelLight : Color{56, 52, 48, 255};
    if (sunk) face = Color{52, 42, 32, 255};
    canvas.Fill(screen, face);
    canvas.Frame(screen, Enabled() ? colors::kGold : colors::kGrey, 1);
    Rect inner{screen.x + 1, screen.y + 1, screen.w - 2, screen.h - 2};
    canvas.Frame(inner, sunk ? Color{30, 24, 18, 255} : Color{110, 92, 66, 255}, 1);
    const int shift = sunk ? 1 : 0;
    const Rect shifted{screen.x + shift, screen.y + shift, screen.w, screen.h};
    if (glyph_) {
        const Rect whole = ButtonCaptionArea(shifted, nullptr);
        if (caption_.empty()) {
            canvas.DrawImage(*glyph_, whole, true, false, !Enabled());
            return;
        }
        const int side = std::min(whole.h, glyph_->Width());
        Rect g{whole.x, whole.y + (whole.h - side) / 2, side, side};
        canvas.DrawImage(*glyph_, g, true, false, !Enabled());
    }
    const Rect area = ButtonCaptionArea(shifted, glyph_.get());
    Color text = Enabled() ? colors::kParchment : Color{140, 134, 124, 255};
    canvas.DrawText(DisplayCaption(caption_), area, fontSize_, true, text, Align::Center, true,
                    true);
}

void SpeedButton::MouseDown(MouseButton button, int x, int y) {
    if (button == MouseButton::Left) {
        pressed_ = true;
        Invalidate();
    }
    Control::MouseDown(button, x, y);
}

void SpeedButton::MouseUp(MouseButton button, int x, int y) {
    if (pressed_) {
        pressed_ = false;
        Invalidate();
    }
    Control::MouseUp(button, x, y);
}

// ---------------------------------------------------------------------------------------------
// Panel

void Panel::SetColor(Color color) {
    color_ = color;
    Invalidate();
}

void Panel::SetBorder(bool border) {
    border_ = border;
    Invalidate();
}

void Panel::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Invalidate();
}

void Panel::Paint(Canvas& canvas, const Rect& screen) {
    canvas.Fill(screen, color_);
    if (border_) canvas.Frame(screen, Color{120, 98, 62, 255}, 1);
    if (!caption_.empty()) {
        canvas.DrawText(DisplayCaption(caption_), screen, 14, false, colors::kParchment,
                        Align::Center, true, true);
    }
}

// ---------------------------------------------------------------------------------------------
// Edit

namespace {
bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}
}  // namespace

void Edit::SetText(std::string text) {
    if (text.size() > maxLength_) {
        size_t cut = maxLength_;
        while (cut > 0 && IsContinuation(static_cast<unsigned char>(text[cut])))
            --cut;
        text.resize(cut);
    }
    text_ = std::move(text);
    caret_ = text_.size();
    Invalidate();
    if (OnChange) OnChange();
}

void Edit::KeyText(const std::string& utf8) {
    if (text_.size() + utf8.size() > maxLength_) return;
    text_.insert(caret_, utf8);
    caret_ += utf8.size();
    Invalidate();
    if (OnChange) OnChange();
}

void Edit::KeyEdit(int key) {
    auto prev = [this](size_t pos) {
        if (pos == 0) return pos;
        --pos;
        while (pos > 0 && IsContinuation(static_cast<unsigned char>(text_[pos])))
            --pos;
        return pos;
    };
    auto next = [this](size_t pos) {
        if (pos >= text_.size()) return text_.size();
        ++pos;
        while (pos < text_.size() && IsContinuation(static_cast<unsigned char>(text_[pos])))
            ++pos;
        return pos;
    };
    bool changed = false;
    switch (key) {
        case kBackspace:
            if (caret_ > 0) {
                size_t p = prev(caret_);
                text_.erase(p, caret_ - p);
                caret_ = p;
                changed = true;
            }
            break;
        case kDelete:
            if (caret_ < text_.size()) {
                text_.erase(caret_, next(caret_) - caret_);
                changed = true;
            }
            break;
        case kLeft:
            caret_ = prev(caret_);
            break;
        case kRight:
            caret_ = next(caret_);
            break;
        case kHome:
            caret_ = 0;
            break;
        case kEnd:
            caret_ = text_.size();
            break;
        default:
            break;
    }
    Invalidate();
    if (changed && OnChange) OnChange();
}

void Edit::MouseDown(MouseButton button, int x, int y) {
    caret_ = text_.size();
    Invalidate();
    Control::MouseDown(button, x, y);
}

void Edit::Paint(Canvas& canvas, const Rect& screen) {
    canvas.Fill(screen, Enabled() ? colors::kParchment : Color{190, 184, 170, 255});
    canvas.Frame(screen, colors::kInk, 1);
    Rect area{screen.x + 4, screen.y, screen.w - 8, screen.h};
    canvas.DrawText(text_, area, 14, false, Enabled() ? colors::kInk : colors::kGrey, Align::Left,
                    false, true);
    Application* app = App();
    // Only the edit box that has the keyboard shows the caret.
    if (app && app->Focus() == this && app->InputForm() == OwnerForm() && Enabled()) {
        int x = area.x + canvas.TextWidth(text_.substr(0, caret_), 14, false);
        canvas.Fill(Rect{x, screen.y + 4, 1, screen.h - 8}, colors::kInk);
    }
}

// ---------------------------------------------------------------------------------------------
// RadioButton

void RadioButton::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Invalidate();
}

void RadioButton::SetChecked(bool checked) {
    if (checked && Parent()) {
        for (auto& sibling : Parent()->Children()) {
            auto* radio = dynamic_cast<RadioButton*>(sibling.get());
            if (radio && radio != this && radio->checked_) {
                radio->checked_ = false;
                radio->Invalidate();  // its tick goes in the real window too
            }
        }
    }
    checked_ = checked;
    Invalidate();
}

void RadioButton::Click() {
    SetChecked(true);
    Control::Click();
}

bool RadioButton::CaptionFits(Canvas& canvas) const {
    const int box = std::min(16, Height());
    return canvas.TextFits(DisplayCaption(caption_), Rect{0, 0, Width() - box - 6, Height()}, 14,
                           false, false);
}

// An empty box with a light frame; the checked one is marked by a lit square inside it.
void RadioButton::Paint(Canvas& canvas, const Rect& screen) {
    const int box = std::min(16, screen.h);
    const Color frame = Enabled() ? colors::kParchment : colors::kGrey;
    Rect mark{screen.x, screen.y + (screen.h - box) / 2, box, box};
    canvas.Fill(mark, colors::kPanel);
    canvas.Frame(mark, frame, 2);
    if (checked_) {
        canvas.Fill(Rect{mark.x + 4, mark.y + 4, box - 8, box - 8},
                    Enabled() ? colors::kGold : colors::kGrey);
    }
    Rect text{screen.x + box + 6, screen.y, screen.w - box - 6, screen.h};
    canvas.DrawText(DisplayCaption(caption_), text, 14, false,
                    Enabled() ? colors::kParchment : colors::kGrey, Align::Left, false, true);
}

// ---------------------------------------------------------------------------------------------
// ComboBox

void ComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (index_ >= static_cast<int>(items_.size())) index_ = items_.empty() ? -1 : 0;
    Invalidate();
}

void ComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) return;
    if (index_ == index) return;
    index_ = index;
    Invalidate();
    if (OnChange) OnChange();
}

std::string ComboBox::Caption() const {
    return index_ >= 0 && index_ < static_cast<int>(items_.size()) ? items_[index_] : std::string();
}

void ComboBox::MouseDown(MouseButton button, int x, int y) {
    Control::MouseDown(button, x, y);
}

void ComboBox::Click() {
    if (!items_.empty()) SetItemIndex((index_ + 1) % static_cast<int>(items_.size()));
    Control::Click();
}

void ComboBox::Paint(Canvas& canvas, const Rect& screen) {
    canvas.Fill(screen, colors::kParchment);
    canvas.Frame(screen, colors::kInk, 1);
    Rect area{screen.x + 4, screen.y, screen.w - 24, screen.h};
    canvas.DrawText(Caption(), area, 14, false, colors::kInk, Align::Left, false, true);
    canvas.DrawText("\u25BE", Rect{screen.x + screen.w - 20, screen.y, 16, screen.h}, 14, false,
                    colors::kInk, Align::Center, false, true);
}

// ---------------------------------------------------------------------------------------------
// ProgressBar

void ProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min + 1, max);
    Invalidate();
}

void ProgressBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    Invalidate();
}

void ProgressBar::Paint(Canvas& canvas, const Rect& screen) {
    canvas.Fill(screen, Color{24, 20, 16, 255});
    canvas.Frame(screen, colors::kGold, 1);
    const long long span = static_cast<long long>(max_) - min_;
    const int w =
        static_cast<int>((screen.w - 4) * (static_cast<long long>(position_) - min_) / span);
    canvas.Fill(Rect{screen.x + 2, screen.y + 2, w, screen.h - 4}, Color{166, 132, 60, 255});
}

}  // namespace platform
