#pragma once

#include <string>

namespace tarnwick {

struct MainUnit;
class DocumentFiles;
class SettingsStore;

inline constexpr const char* kHelpFileName = "Tarnwick Help.chm";
inline constexpr const char* kScratchScriptName = "rundefault080.vbs";
inline constexpr const char* kCloseQuestion = "Save the changes to this document?";

// Design values of the main window, standing whenever a stored one is missing.
inline constexpr int kDesignLeft = 282;
inline constexpr int kDesignTop = 118;
inline constexpr int kDesignClientWidth = 662;
inline constexpr int kDesignClientHeight = 526;

// The main window as the start-up and close steps see it: outer edges and
// size in screen pixels, and the three secondary windows.
class MainWindowFrame {
public:
    virtual ~MainWindowFrame() = default;
    virtual int OuterLeft() const = 0;
    virtual int OuterTop() const = 0;
    virtual int OuterWidth() const = 0;
    virtual int OuterHeight() const = 0;
    virtual void SetOuterLeft(int left) = 0;
    virtual void SetOuterTop(int top) = 0;
    virtual void SetOuterWidth(int width) = 0;
    virtual void SetOuterHeight(int height) = 0;
    // Hides the Run Options, About and Editor Options windows, in that order.
    virtual void HideSecondaryWindows() = 0;
};

// Creation steps 1 to 4: "Left", "Top", "Width", "Height" and "Left" again
// applied in that order, then "FontName" (an empty one leaves the face) and
// "FontSize" to the editor. Missing or invalid values leave the design values.
void ApplyStoredGeometryAndFont(SettingsStore& settings, MainWindowFrame& frame, MainUnit& unit);

// Writes the four geometry values. A store that cannot be written is passed
// over: it must never keep the window from closing.
void StoreGeometry(SettingsStore& settings, const MainWindowFrame& frame);

enum class CloseDecision { Close, Refuse };

// The close step: geometry first, then the question about unsaved changes.
// Deletes the scratch script and hides the other windows on the unchanged and
// No paths. A Save that is cancelled refuses the close; one that fails throws
// (and so refuses it too).
CloseDecision CloseStep(MainUnit& unit, DocumentFiles& files, MainWindowFrame& frame,
                        const std::string& scratchScriptPath);

}  // namespace tarnwick
