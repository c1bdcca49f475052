#include "panels/ui/PropertiesPanel.h"

#include <algorithm>
#include <exception>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/wrapsizer.h>

#include "canvas/Grades.h"
#include "canvas/ui/CanvasPanel.h"
#include "document/TrackColours.h"
#include "panels/BuyTrackTexts.h"
#include "panels/ui/BuyTrackWindows.h"
#include "panels/ui/TallyList.h"

namespace layrail {

namespace {

constexpr int kBorder = 4;
constexpr int kHeightBoxWidth = 65;
constexpr int kLabelBoxMinWidth = 60;
constexpr int kAngleSpinWidth = 70;
constexpr double kAngleStep = 0.5;
constexpr int kBuyTrackMinHeight = 36;
constexpr int kAboutButtonWidth = 30;
constexpr int kBuyTrackWeight = 800;
// A title or detail longer than this is cut for the screen (the pane shows a few dozen characters):
// the title of a run of thousands of pieces would otherwise cost the toolkit a long layout.
constexpr size_t kLongestShownText = 400;

wxColour toColour(Rgba c) { return wxColour(c.r, c.g, c.b); }

long iconStyle(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
        return wxICON_WARNING;
    case MessageIcon::Question:
        return wxICON_QUESTION;
    default:
        return wxICON_INFORMATION;
    }
}

wxString shownText(const std::string& utf8)
{
    if (utf8.size() <= kLongestShownText)
        return wxString::FromUTF8(utf8);
    size_t cut = kLongestShownText;
    // Never inside a multi-byte character.
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    return wxString::FromUTF8(utf8.substr(0, cut)) + wxString::FromUTF8("\u2026");
}

// Sets the text when it differs from what is shown; true when it changed.
bool setText(wxStaticText* text, const std::string& utf8)
{
    const wxString label = shownText(utf8);
    if (text->GetLabelText() == label)
        return false;
    text->SetLabelText(label);
    return true;
}

wxStaticText* boldText(wxWindow* parent, const wxString& label, const wxString& name)
{
    auto* text = new wxStaticText(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, 0, name);
    text->SetFont(text->GetFont().Bold());
    return text;
}

// A one-line text that never widens the pane: a long text ends in an ellipsis.
wxStaticText* clippedText(wxWindow* parent, const wxString& label, const wxString& name)
{
    return new wxStaticText(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize,
                            wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END, name);
}

wxSizer* labelled(wxWindow* parent, const wxString& label, wxWindow* control, int proportion)
{
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kBorder);
    row->Add(control, proportion, wxALIGN_CENTER_VERTICAL);
    return row;
}

} // namespace

PropertiesPanel::PropertiesPanel(wxWindow* parent, Session& session, CanvasHost& host, const BuyTrackSetup& setup)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL), session_(session), host_(host),
      setup_(setup), store_(loadStoreTable(setup.storeFolders)), browser_(std::make_unique<WxBrowserLauncher>())
{
    // Without a store table the tally still counts; Buy Track explains what went wrong.
    if (!store_.ok())
        host_.logLine("Store table: " + store_.error);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    buildDetails(sizer);
    buildGradeBox(sizer);
    buildTally(sizer);
    SetSizer(sizer);
    bindEvents();

    subscription_ = session_.subscribe([this](const Changes& changes) { onSessionChanged(changes); });
    refreshSelection();
    refreshTally();
}

void PropertiesPanel::buildDetails(wxSizer* sizer)
{
    auto* labelBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Add Label");
    wxWindow* box = labelBox->GetStaticBox();
    labelBox_ = new wxTextCtrl(box, kLabelBoxId, "", wxDefaultPosition, wxDefaultSize, wxTE_PROCESS_ENTER);
    // The box takes the row's width; its natural width would widen the pane.
    labelBox_->SetMinSize(wxSize(kLabelBoxMinWidth, -1));
    labelOk_ = new wxButton(box, kLabelOkId, "OK", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    labelBox->Add(labelBox_, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, kBorder);
    labelBox->Add(labelOk_, 0, wxALIGN_CENTER_VERTICAL);
    sizer->Add(labelBox, 0, wxEXPAND | wxALL, kBorder);
    sizer->Add(new wxStaticLine(this), 0, wxEXPAND | wxALL, kBorder);

    title_ = clippedText(this, "No selection", "title");
    title_->SetFont(title_->GetFont().Bold());
    detail_ = clippedText(this, "", "detail");
    sizer->Add(title_, 0, wxEXPAND | wxLEFT | wxRIGHT, kBorder);
    sizer->Add(detail_, 0, wxEXPAND | wxALL, kBorder);
    sizer->Add(new wxStaticLine(this), 0, wxEXPAND | wxALL, kBorder);

    levelChoice_ = new wxChoice(this, kLevelChoiceId);
    sizer->Add(labelled(this, "Level:", levelChoice_, 1), 0, wxEXPAND | wxALL, kBorder);

    auto* colourBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Color");
    box = colourBox->GetStaticBox();
    wxArrayString names;
    for (const NamedTrackColour& colour : namedTrackColours())
        names.push_back(colour.name);
    colourChoice_ = new wxChoice(box, kColourChoiceId, wxDefaultPosition, wxDefaultSize, names);
    applyColour_ = new wxButton(box, kApplyColourId, "Apply", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    colourBox->Add(colourChoice_, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, kBorder);
    colourBox->Add(applyColour_, 0, wxALIGN_CENTER_VERTICAL);
    sizer->Add(colourBox, 0, wxEXPAND | wxALL, kBorder);
    sizer->Add(new wxStaticLine(this), 0, wxEXPAND | wxALL, kBorder);
}

void PropertiesPanel::buildGradeBox(wxSizer* sizer)
{
    auto* gradeBox = new wxStaticBoxSizer(wxVERTICAL, this, "Set Grade");
    wxWindow* box = gradeBox->GetStaticBox();

    auto* heightRow = new wxBoxSizer(wxHORIZONTAL);
    heightLabel_ = new wxStaticText(box, wxID_ANY, "Height (mm):", wxDefaultPosition, wxDefaultSize, 0, "heightLabel");
    heightBox_ = new wxTextCtrl(box, kHeightBoxId, "0", wxDefaultPosition, wxSize(kHeightBoxWidth, -1),
                                wxTE_PROCESS_ENTER);
    heightRow->Add(heightLabel_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kBorder);
    heightRow->Add(heightBox_, 0, wxALIGN_CENTER_VERTICAL);
    gradeBox->Add(heightRow, 0, wxEXPAND | wxALL, kBorder);

    gradeText_ = new wxStaticText(box, wxID_ANY, "-", wxDefaultPosition, wxDefaultSize, 0, "grade");
    gradeBox->Add(labelled(box, "Grade:", gradeText_, 0), 0, wxEXPAND | wxLEFT | wxRIGHT, kBorder);
    warning_ = new wxStaticText(box, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, 0, "warning");
    warning_->SetForegroundColour(toColour(kGradeWarningColour));
    gradeBox->Add(warning_, 0, wxEXPAND | wxLEFT | wxRIGHT, kBorder);
    gradeBox->Add(new wxStaticText(box, wxID_ANY, "Set height above baseboard.\nMax grade: 6 deg."), 0,
                  wxEXPAND | wxALL, kBorder);
    gradeBox->Add(new wxStaticLine(box), 0, wxEXPAND | wxALL, kBorder);

    // The two rows wrap rather than widen the pane beyond its width.
    auto* angleRow = new wxWrapSizer(wxHORIZONTAL);
    up_ = new wxRadioButton(box, wxID_ANY, "UP", wxDefaultPosition, wxDefaultSize, wxRB_GROUP, wxDefaultValidator,
                            "up");
    down_ = new wxRadioButton(box, wxID_ANY, "DOWN", wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator, "down");
    angle_ = new wxSpinCtrlDouble(box, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 0.0,
                                  kMaxGradeDegrees, 0.0, kAngleStep, "angle");
    angle_->SetDigits(1);
    angle_->SetInitialSize(wxSize(std::max(kAngleSpinWidth, angle_->GetBestSize().GetWidth()), -1));
    up_->SetValue(true);
    angleRow->Add(up_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kBorder);
    angleRow->Add(down_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kBorder);
    auto* angleWithUnit = new wxBoxSizer(wxHORIZONTAL);
    angleWithUnit->Add(angle_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kBorder);
    angleWithUnit->Add(new wxStaticText(box, wxID_ANY, "deg"), 0, wxALIGN_CENTER_VERTICAL);
    angleRow->Add(angleWithUnit, 0, wxALIGN_CENTER_VERTICAL);
    gradeBox->Add(angleRow, 0, wxEXPAND | wxALL, kBorder);

    auto* buttons = new wxWrapSizer(wxHORIZONTAL);
    startGrade_ = new wxButton(box, kStartGradeId, "Start Grade", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    endGrade_ = new wxButton(box, kEndGradeId, "End Grade", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    recalc_ = new wxButton(box, kRecalcId, "Recalc", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    recalc_->SetToolTip("Recalculate elevation chain from this piece forward");
    for (wxButton* button : {startGrade_, endGrade_, recalc_})
        buttons->Add(button, 0, wxRIGHT | wxBOTTOM, kBorder);
    gradeBox->Add(buttons, 0, wxEXPAND | wxALL, kBorder);
    sizer->Add(gradeBox, 0, wxEXPAND | wxALL, kBorder);
}

void PropertiesPanel::buildTally(wxSizer* sizer)
{
    sizer->Add(new wxStaticLine(this), 0, wxEXPAND | wxALL, kBorder);
    sizer->Add(boldText(this, "Piece Count", "pieceCountTitle"), 0, wxLEFT | wxRIGHT, kBorder);
    tallyList_ = new TallyList(this);
    sizer->Add(tallyList_, 1, wxEXPAND | wxALL, kBorder);
    sizer->Add(new wxStaticLine(this), 0, wxEXPAND | wxALL, kBorder);

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    auto* buy = new wxButton(this, wxID_ANY, kBuyTrackLabel, wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator,
                             "buyTrack");
    buy->SetBackgroundColour(toColour(kBuyTrackGreen));
    buy->SetForegroundColour(toColour(kBuyTrackText));
    wxFont font = buy->GetFont();
    font.SetPointSize(font.GetPointSize() + 2);
    font.SetNumericWeight(kBuyTrackWeight);
    buy->SetFont(font);
    buy->SetMinSize(wxSize(-1, kBuyTrackMinHeight));
    auto* about = new wxButton(this, wxID_ANY, kAboutBuyTrackLabel, wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT,
                               wxDefaultValidator, "aboutBuyTrack");
    // As narrow as the theme lets a button be, down to 30 pixels.
    about->SetMinSize(wxSize(std::max(kAboutButtonWidth, about->GetBestSize().GetWidth()), kBuyTrackMinHeight));
    about->SetToolTip(kAboutBuyTrackTooltip);
    row->Add(buy, 1, wxEXPAND | wxRIGHT, kBorder);
    row->Add(about, 0, wxEXPAND);
    sizer->Add(row, 0, wxEXPAND | wxALL, kBorder);

    buy->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { guarded("Buy Track", [this] { buyTrackNow(); }); });
    about->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { guarded("About Buy Track", [this] { showAboutBuyTrack(); }); });
}

void PropertiesPanel::bindEvents()
{
    using Action = void (PropertiesPanel::*)();
    const auto on = [this](const wxEventTypeTag<wxCommandEvent>& type, int id, const char* action, Action run) {
        Bind(type, [this, action, run](wxCommandEvent&) { guarded(action, [this, run] { (this->*run)(); }); }, id);
    };
    on(wxEVT_TEXT_ENTER, kHeightBoxId, "Set height", &PropertiesPanel::setHeightFromBox);
    on(wxEVT_CHOICE, kLevelChoiceId, "Set level", &PropertiesPanel::setLevelFromChoice);
    on(wxEVT_BUTTON, kStartGradeId, "Start Grade", &PropertiesPanel::startGradeFromControls);
    on(wxEVT_BUTTON, kEndGradeId, "End Grade", &PropertiesPanel::endGradeOfShown);
    on(wxEVT_BUTTON, kRecalcId, "Recalc", &PropertiesPanel::recalculateShown);
    on(wxEVT_BUTTON, kLabelOkId, "Add label", &PropertiesPanel::addLabelFromBox);
    on(wxEVT_TEXT_ENTER, kLabelBoxId, "Add label", &PropertiesPanel::addLabelFromBox);
    on(wxEVT_BUTTON, kApplyColourId, "Apply colour", &PropertiesPanel::applyColourChoice);
}

void PropertiesPanel::setBrowser(std::unique_ptr<BrowserLauncher> browser)
{
    if (browser)
        browser_ = std::move(browser);
}

void PropertiesPanel::onSessionChanged(const Changes& changes)
{
    if (changes.selection || changes.content || changes.levels || changes.units)
        refreshSelection();
    if (changes.content || changes.levels)
        refreshTally();
}

void PropertiesPanel::refreshSelection() { showView(buildPropertiesView(session_.layout())); }

void PropertiesPanel::refreshTally()
{
    tally_ = computeTally(session_.layout(), store_.table);
    tallyList_->showRows(tally_.rows);
}

void PropertiesPanel::showView(const PropertiesView& view)
{
    // While the same record stays shown, what the user typed into the height box or set on the
    // grade controls stays unless the layout changed the value behind it.
    const bool sameRecord = viewShown_ && view.showsSameRecord(shown_);
    bool relayout = false;
    relayout = setText(title_, view.title) || relayout;
    relayout = setText(detail_, view.detail) || relayout;
    relayout = setText(heightLabel_, view.heightLabel) || relayout;
    if (!sameRecord || view.heightText != shown_.heightText)
        heightBox_->ChangeValue(wxString::FromUTF8(view.heightText));
    heightBox_->Enable(view.heightEnabled);

    relayout = setText(gradeText_, view.gradeText) || relayout;
    if (!viewShown_ || view.gradeTooSteep != shown_.gradeTooSteep) {
        gradeText_->SetForegroundColour(view.gradeTooSteep ? toColour(kGradeWarningColour)
                                                           : wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
        gradeText_->Refresh();
    }
    relayout = setText(warning_, view.warning) || relayout;

    showLevels(view);

    if (!sameRecord || view.gradeUp != shown_.gradeUp || view.gradeAngle != shown_.gradeAngle) {
        (view.gradeUp ? up_ : down_)->SetValue(true);
        angle_->SetValue(view.gradeAngle);
    }
    startGrade_->Enable(view.startGradeEnabled);
    endGrade_->Enable(view.endGradeEnabled);
    recalc_->Enable(view.recalcEnabled);
    labelBox_->Enable(view.labelEnabled);
    labelOk_->Enable(view.labelEnabled);
    colourChoice_->Enable(view.colourEnabled);
    applyColour_->Enable(view.colourEnabled);

    // The first view is laid out with the panel's first size.
    if (relayout && viewShown_)
        Layout();
    shown_ = view;
    viewShown_ = true;
}

void PropertiesPanel::showLevels(const PropertiesView& view)
{
    if (!viewShown_ || view.levels != shown_.levels) {
        levelChoice_->Clear();
        for (const LevelChoiceEntry& entry : view.levels)
            levelChoice_->Append(wxString::FromUTF8(entry.text));
    }
    // Compared with the control itself: a choice that changed nothing must show the level again.
    if (levelChoice_->GetSelection() != view.levelSelection)
        levelChoice_->SetSelection(view.levelSelection);
    levelChoice_->Enable(view.levelEnabled);
}

void PropertiesPanel::commitEdit(const EditResult& result)
{
    if (!result.message.empty())
        wxMessageBox(wxString::FromUTF8(result.message.text), wxString::FromUTF8(result.message.title),
                     wxOK | iconStyle(result.message.icon), wxGetTopLevelParent(this));
    if (!result.status.empty())
        host_.setStatusText(StatusField::Pieces, result.status);
    if (!result.mainStatus.empty())
        host_.setStatusText(StatusField::Prompt, result.mainStatus);
    session_.commit(result.changes);
}

void PropertiesPanel::guarded(const char* action, const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception& failure) {
        host_.logLine(std::string("Properties panel, ") + action + ": " + failure.what());
    } catch (...) {
        host_.logLine(std::string("Properties panel, ") + action + ": unknown failure");
    }
}

void PropertiesPanel::focusLabelBox()
{
    labelBox_->SetFocus();
    labelBox_->SelectAll();
}

void PropertiesPanel::addLabelFromBox()
{
    Point at;
    if (canvas_ != nullptr && canvas_->takeLabelDropPoint(at))
        pendingLabel_ = {true, at};
    const EditResult result = addLabel(session_.layout(), pendingLabel_, labelBox_->GetValue().utf8_string());
    if (result.changed())
        labelBox_->ChangeValue("");
    commitEdit(result);
}

void PropertiesPanel::applyColourChoice()
{
    commitEdit(applyColour(session_.layout(), colourChoice_->GetSelection()));
}

void PropertiesPanel::setHeightFromBox()
{
    if (shown_.pieceId < 0)
        return;
    commitEdit(setHeight(session_.layout(), shown_.pieceId, heightBox_->GetValue().utf8_string()));
}

void PropertiesPanel::setLevelFromChoice()
{
    const int chosen = levelChoice_->GetSelection();
    if (chosen < 0 || chosen >= static_cast<int>(shown_.levels.size()))
        return;
    const ShownRecord shown{shown_.pieceId, shown_.sceneryId, shown_.helixId, shown_.shapeId};
    const EditResult result = setLevel(session_.layout(), shown, shown_.levels[static_cast<size_t>(chosen)].levelId);
    commitEdit(result);
    if (!result.changed())
        showLevels(shown_);
}

void PropertiesPanel::startGradeFromControls()
{
    if (shown_.pieceId < 0)
        return;
    commitEdit(startGrade(session_.layout(), shown_.pieceId, angle_->GetValue(), up_->GetValue()));
}

void PropertiesPanel::endGradeOfShown()
{
    if (shown_.pieceId >= 0)
        commitEdit(endGrade(session_.layout(), shown_.pieceId));
}

void PropertiesPanel::recalculateShown()
{
    if (shown_.pieceId >= 0)
        commitEdit(recalculate(session_.layout(), shown_.pieceId));
}

void PropertiesPanel::buyTrackNow()
{
    WxNoticeShower notices(this);
    buyTrack(session_.layout(), store_, *browser_, notices);
}

void PropertiesPanel::showAboutBuyTrack()
{
    const wxImage picture = setup_.picture ? setup_.picture() : wxImage();
    wxDialog* dialog = buildAboutBuyTrackDialog(wxGetTopLevelParent(this),
                                                aboutBuyTrack(store_, setup_.fallbackHome), picture);
    dialog->ShowModal();
    dialog->Destroy();
}

} // namespace layrail
