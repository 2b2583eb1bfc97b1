#include "setup/setup_text.h"

#include "setup/setup_language.h"

#include <cstddef>

namespace {

// Columns follow the language table: English, French, German, Spanish,
// Italian. The version messages were never translated.
constexpr const char* kUpgrade =
    "This Setup will perform an upgrade of '%s'. Do you want to continue?";
constexpr const char* kLaterVersion =
    "A later version of %s is already installed on this machine. Setup cannot continue.";
constexpr const char* kQueryFailed = "Could not read the installed version of %s. Setup cannot continue.";

const char* const kRows[][kSetupLanguageCount] = {
    {"Choose Setup Language", "Choisissez la langue d'installation",
     "Wählen Sie eine Setup-Sprache aus", "Elegir idioma de instalación",
     "Seleziona la lingua dell'installazione"},
    {"Select the language for this installation from the choices below.",
     "Choisissez la langue d'installation dans la liste ci-dessous.",
     "Wählen Sie die Sprache dieser Installation aus der unten aufgeführten Auswahl aus.",
     "Seleccionar uno de los idiomas siguientes para la instalación.",
     "Selezionare la lingua per questa installazione tra le opzioni indicate di seguito."},
    {"OK", "OK", "OK", "Aceptar", "OK"},
    {"Cancel", "Annuler", "Abbrechen", "Cancelar", "Cancella"},
    {kUpgrade, kUpgrade, kUpgrade, kUpgrade, kUpgrade},
    {kLaterVersion, kLaterVersion, kLaterVersion, kLaterVersion, kLaterVersion},
    {kQueryFailed, kQueryFailed, kQueryFailed, kQueryFailed, kQueryFailed},
};

}  // namespace

const char* GetSetupText(SetupTextRow row) {
    return kRows[static_cast<std::size_t>(row)][CurrentLanguageIndex()];
}
