// The skin dialogs over a catalogue of nine well-known skins, each with a drawn preview.
#include <wx/dcmemory.h>
#include <wx/listctrl.h>

#include <filesystem>
#include <fstream>

#include "Shots.h"
#include "gui/dialogs/ConfigureSkinsDialog.h"
#include "gui/dialogs/SkinEditDialog.h"
#include "gui/dialogs/TerrainSkinsDialog.h"
#include "gui/widgets/Ids.h"
#include "skins/SeasonSkinChoices.h"

namespace harbinet::shots {
namespace {

struct SampleSkin {
    const char* base;
    const char* model;
    const char* unit;
    const char* pilot;
    const char* location;
    int year;
    wxColour top, bottom;  // camouflage and under side
    const char* code;      // letters on the fuselage
};

const SampleSkin kSkins[] = {
    {"SP09", "Spitfire IX", "No. 485 (NZ) Sqn", "Johnnie Houlton", "Biggin Hill", 1943,
     wxColour(95, 100, 80), wxColour(170, 175, 170), "OU-V"},
    {"109E", "Bf 109E Emil", "III./JG 26", "Adolf Galland", "Caffiers", 1940, wxColour(80, 95, 70),
     wxColour(150, 180, 200), "<-+-"},
    {"P51D", "P-51D Mustang", "357th FG", "Chuck Yeager", "Leiston", 1944, wxColour(185, 188, 192),
     wxColour(200, 202, 205), "B6-Y"},
    {"190A", "Fw 190A-8", "II./JG 1", "Heinz Baer", "Stoermede", 1944, wxColour(110, 115, 100),
     wxColour(165, 185, 195), "<13"},
    {"P47D", "P-47D Thunderbolt", "56th FG", "Francis Gabreski", "Boxted", 1944,
     wxColour(90, 90, 60), wxColour(160, 160, 150), "HV-A"},
    {"HURR", "Hurricane I", "No. 303 Sqn", "Witold Urbanowicz", "Northolt", 1940,
     wxColour(105, 95, 60), wxColour(190, 200, 170), "RF-E"},
    {"109G", "Bf 109G-6", "JG 27", "Unknown", "Unknown", 1943, wxColour(190, 160, 110),
     wxColour(150, 180, 200), "4+-"},
    {"TEMP", "Tempest V", "No. 3 Sqn", "Pierre Clostermann", "Volkel", 1945, wxColour(95, 100, 85),
     wxColour(165, 170, 165), "JF-E"},
    {"P38J", "P-38J Lightning", "20th FG", "Unknown", "Kings Cliffe", 1944, wxColour(175, 178, 182),
     wxColour(190, 192, 195), "LC-S"},
};

// A fighter seen from the side over a sky, as a skin's author would show it.
wxImage Preview(const SampleSkin& skin) {
    wxBitmap bitmap(252, 176, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.GradientFillLinear(wxRect(0, 0, 252, 176), wxColour(70, 110, 170),
                              wxColour(200, 215, 230), wxSOUTH);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(wxColour(90, 110, 70)));
        dc.DrawRectangle(0, 150, 252, 26);
        const wxPoint fuselage[] = {{20, 84},  {40, 74},  {200, 78}, {230, 66},
                                    {236, 92}, {200, 96}, {40, 100}, {20, 92}};
        dc.SetBrush(wxBrush(skin.bottom));
        dc.DrawPolygon(8, fuselage);
        const wxPoint back[] = {{20, 84}, {40, 74}, {200, 78}, {230, 66}, {232, 80}, {40, 86}};
        dc.SetBrush(wxBrush(skin.top));
        dc.DrawPolygon(6, back);
        dc.SetBrush(wxBrush(skin.top.ChangeLightness(80)));
        dc.DrawEllipse(80, 68, 40, 14);  // canopy frame
        dc.SetBrush(wxBrush(wxColour(170, 200, 220)));
        dc.DrawEllipse(84, 70, 32, 9);
        dc.SetBrush(wxBrush(skin.top.ChangeLightness(70)));
        const wxPoint wing[] = {{70, 92}, {140, 92}, {130, 104}, {76, 104}};
        dc.DrawPolygon(4, wing);
        dc.SetBrush(wxBrush(wxColour(40, 40, 40)));
        dc.DrawRectangle(12, 70, 6, 36);  // propeller
        dc.SetTextForeground(wxColour(240, 240, 230));
        dc.SetFont(wxFontInfo(13).Bold());
        dc.DrawText(skin.code, 136, 80);
        dc.SetTextForeground(*wxWHITE);
        dc.SetFont(wxFontInfo(9));
        dc.DrawText(wxString(skin.model) + " - " + skin.unit, 8, 156);
    }
    return bitmap.ConvertToImage();
}

// A small picture with a word on a coloured ground.
void SavePlate(const std::string& path, wxSize size, wxColour ground, const wxString& word,
               int points) {
    wxBitmap bitmap(size, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.GradientFillLinear(wxRect(size), ground, ground.ChangeLightness(140), wxEAST);
        dc.SetTextForeground(*wxWHITE);
        dc.SetFont(wxFontInfo(points).Bold().Family(wxFONTFAMILY_SWISS));
        const wxSize text = dc.GetTextExtent(word);
        dc.DrawText(word, (size.x - text.x) / 2, (size.y - text.y) / 2);
    }
    wxImage image = bitmap.ConvertToImage();
    if (!image.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_GIF))
        image.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_JPEG);
}

void Click(wxWindow* dialog, int command) {
    wxCommandEvent event(wxEVT_BUTTON, command);
    dialog->GetEventHandler()->ProcessEvent(event);
}

void ShootSkins(const Context& context) {
    ProgramState& state = context.state;
    std::ofstream(state.SettingsPath)
        << "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=1\nTerrain=2\nCopySkins=1\n"
           "SkinFiles=P*.TPC,*.3DZ\n[TerrainSets]\nTerrain1=Channel Front\nSeasons1=1\n";
    const std::string store = state.SkinCatalogueFolder;
    std::filesystem::create_directories(store);
    std::ofstream(store + "Skins.INI") << "[Skins]\nSkinCount=" << std::size(kSkins) + 1
                                       << "\nInitialFolder=" << context.game << "\n";
    unsigned n = 0;
    for (const SampleSkin& skin : kSkins) {
        ++n;
        if (n == 4) ++n;  // a deleted skin leaves its number unused
        std::ofstream(store + std::to_string(n) + ".DAT")
            << "[Skin]\nVersion=1\nBaseModel=" << skin.base << "\nModel=" << skin.model
            << "\nUnit=" << skin.unit << "\nPilot=" << skin.pilot << "\nYear=" << skin.year
            << "\nLocation=" << skin.location << "\nAuthor=\nURL=\n";
        if (n != 7) Preview(skin).SaveFile(store + std::to_string(n) + ".JPG", wxBITMAP_TYPE_JPEG);
    }
    SavePlate(store + "EAWLOGO.GIF", wxSize(206, 144), wxColour(30, 40, 80), "European Air War",
              12);
    SavePlate(store + "NOIMAGE.GIF", wxSize(206, 144), wxColour(120, 120, 120), "No picture", 14);
    const std::pair<const char*, wxColour> seasons[] = {{"SPRING", wxColour(60, 140, 60)},
                                                        {"SUMMER", wxColour(200, 150, 30)},
                                                        {"AUTUMN", wxColour(170, 80, 30)},
                                                        {"WINTER", wxColour(80, 120, 170)}};
    for (const auto& [name, colour] : seasons)
        SavePlate(store + name + ".GIF", wxSize(200, 28), colour, name, 11);

    // Spring: the Lightning, the Thunderbolt and the Mustang on page 1; Emil and Anton on 3.
    SeasonSkinChoices choices;
    if (!choices.LoadChoices(store + "Channel Front.DAT")) std::abort();
    const std::pair<std::size_t, unsigned> chosen[] = {{1, 10}, {3, 6},  {5, 3},
                                                       {16, 2}, {22, 5}, {17, 4}};
    for (const auto& [model, skin] : chosen) choices.SetChoice(0, model, skin);
    files::WriteFileAtomic(choices.Path(), choices.Bytes());

    {
        auto* dialog = new ConfigureSkinsDialog(state, nullptr);
        dialog->List()->SetItemState(2, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        Shoot(dialog, context, "configure-skins");
    }
    {
        SkinRecord record;
        record.model = "Bf 109G-6 Gustav";
        record.unit = "II./JG 27";
        record.pilot = record.location = "Unknown";
        record.year = 1943;
        Shoot(new SkinEditDialog(SkinEditDialog::Mode::Add, store + "8.JPG", "Bf 109G-6", record,
                                 nullptr, context.host, &context.desktop),
              context, "skin-edit-add");
        const SkinCatalogue catalogue(store);
        Shoot(new SkinEditDialog(SkinEditDialog::Mode::Modify, catalogue.FindPreview(3), "P-51D",
                                 catalogue.ReadRecord(3), nullptr, context.host, &context.desktop),
              context, "skin-edit-modify");
    }
    Shoot(new TerrainSkinsDialog(state, 1, nullptr), context, "terrain-skins");
    {
        auto* dialog = new TerrainSkinsDialog(state, 1, nullptr);
        Click(dialog, ui::id::kNextCommand);
        Click(dialog, ui::id::kNextCommand);
        Shoot(dialog, context, "terrain-skins-page3");
    }
    {
        auto* dialog = new TerrainSkinsDialog(state, 1, nullptr);
        for (int i = 0; i < 3; ++i) Click(dialog, ui::id::kNextCommand);
        Click(dialog, ui::id::kSeasonCommand);
        Shoot(dialog, context, "terrain-skins-summer-page4");
    }
}

const Group kSkinShots("skins", ShootSkins);

}  // namespace
}  // namespace harbinet::shots
