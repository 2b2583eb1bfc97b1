// Columns: English, French, Spanish, Italian, German. The source is UTF-8; the
// compiler turns every literal into code page 1252.
#include "localization/text_table.h"

namespace texts {

const LocalizedText CalibrationSuccessful = {{
    "Calibration was successful.\n",
    "L'étalonnage a réussi.\n",
    "La calibración se ha realizado correctamente.\n",
    "La calibrazione è stata eseguita correttamente.\n",
    "Die Kalibrierung war erfolgreich.\n",
}};

const LocalizedText InsertItemToScan = {{
    "Please insert the item to be scanned into the scanner now.",
    "Veuillez maintenant insérer le document à numériser dans le scanner.",
    "Introduzca ahora en el escáner el documento que desea digitalizar.",
    "Inserire ora nello scanner il documento da acquisire.",
    "Bitte legen Sie jetzt die zu scannende Vorlage in den Scanner ein.",
}};

const LocalizedText PaperNotDetectedContinue = {{
    "The paper was not detected. Continue anyway?",
    "Le papier n'a pas été détecté. Continuer quand même ?",
    "No se ha detectado el papel. ¿Desea continuar de todos modos?",
    "La carta non è stata rilevata. Continuare comunque?",
    "Das Papier wurde nicht erkannt. Trotzdem fortfahren?",
}};

const LocalizedText CalibrationFailed = {{
    "The calibration process has failed.\n\n"
    "Check that the calibration paper was inserted properly and the scanner is ready.",
    "L'étalonnage a échoué.\n\n"
    "Vérifiez que la feuille d'étalonnage a été correctement insérée et que le scanner est prêt.",
    "El proceso de calibración ha fallado.\n\n"
    "Compruebe que el papel de calibración se ha introducido correctamente y que el escáner "
    "está preparado.",
    "La procedura di calibrazione non è riuscita.\n\n"
    "Verificare che il foglio di calibrazione sia stato inserito correttamente e che lo scanner "
    "sia pronto.",
    "Die Kalibrierung ist fehlgeschlagen.\n\n"
    "Prüfen Sie, ob das Kalibrierpapier richtig eingelegt wurde und der Scanner bereit ist.",
}};

const LocalizedText WhiteOnlyCalibrationSuccessful = {{
    "White-only calibration was successful.\n\n"
    "For better image quality calibrate again using the black and white calibration paper.",
    "L'étalonnage du blanc seul a réussi.\n\n"
    "Pour une meilleure qualité d'image, recommencez l'étalonnage avec la feuille d'étalonnage "
    "noir et blanc.",
    "La calibración solo del blanco se ha realizado correctamente.\n\n"
    "Para obtener una mejor calidad de imagen, vuelva a calibrar con el papel de calibración en "
    "blanco y negro.",
    "La calibrazione del solo bianco è stata eseguita correttamente.\n\n"
    "Per una migliore qualità dell'immagine, ripetere la calibrazione con il foglio di "
    "calibrazione in bianco e nero.",
    "Die Kalibrierung nur auf Weiß war erfolgreich.\n\n"
    "Für eine bessere Bildqualität kalibrieren Sie erneut mit dem schwarzweißen Kalibrierpapier.",
}};

// The other languages say what the failure means in practice: the driver DLL
// is missing and the driver has to be installed again.
const LocalizedText ScannerDriverNotLoaded = {{
    "The scanner driver could not be loaded.\n\n"
    "Please plug in the scanner or reinstall the driver.\n\n",
    "Le fichier DLL du pilote est manquant. Veuillez réinstaller le pilote.\n\n",
    "Falta el archivo DLL del controlador. Vuelva a instalar el controlador.\n\n",
    "Il file DLL del driver è mancante. Reinstallare il driver.\n\n",
    "Die DLL-Datei des Treibers fehlt. Bitte installieren Sie den Treiber neu.\n\n",
}};

const LocalizedText ScannerNotReady = {{
    "The scan was aborted because the scanner is not powered on or not connected properly.\n\n"
    "Please check the hardware connections and try again.",
    "La numérisation a été interrompue car le scanner n'est pas sous tension ou n'est pas "
    "correctement connecté.\n\n"
    "Veuillez vérifier les connexions et réessayer.",
    "La digitalización se ha cancelado porque el escáner no está encendido o no está conectado "
    "correctamente.\n\n"
    "Compruebe las conexiones del equipo e inténtelo de nuevo.",
    "La scansione è stata interrotta perché lo scanner non è acceso o non è collegato "
    "correttamente.\n\n"
    "Controllare i collegamenti e riprovare.",
    "Der Scanvorgang wurde abgebrochen, weil der Scanner nicht eingeschaltet oder nicht richtig "
    "angeschlossen ist.\n\n"
    "Bitte prüfen Sie die Verbindungen und versuchen Sie es erneut.",
}};

const LocalizedText ScanAbortedByUser = {{
    "Scan aborted by user.",
    "Numérisation interrompue par l'utilisateur.",
    "Digitalización cancelada por el usuario.",
    "Scansione interrotta dall'utente.",
    "Scanvorgang vom Benutzer abgebrochen.",
}};

const LocalizedText ScanAbortedFileError = {{
    "Scan aborted because a file access or read/write error occurred.",
    "Numérisation interrompue suite à une erreur d'accès ou de lecture/écriture de fichier.",
    "Digitalización cancelada debido a un error de acceso o de lectura/escritura de archivo.",
    "Scansione interrotta a causa di un errore di accesso o di lettura/scrittura dei file.",
    "Scanvorgang abgebrochen, weil ein Fehler beim Dateizugriff oder beim Lesen/Schreiben "
    "aufgetreten ist.",
}};

const LocalizedText ScanAbortedOutOfMemory = {{
    "Scan aborted because not enough memory is available.",
    "Numérisation interrompue par manque de mémoire.",
    "Digitalización cancelada porque no hay suficiente memoria disponible.",
    "Scansione interrotta perché la memoria disponibile non è sufficiente.",
    "Scanvorgang abgebrochen, weil nicht genügend Speicher verfügbar ist.",
}};

const LocalizedText FilterNone = {{"None", "Aucun", "Ninguno", "Nessuno", "Keiner"}};

const LocalizedText FilterDescreen = {{
    "Descreen", "Détramage", "Destramado", "Deretinatura", "Entrasterung",
}};

const LocalizedText UserDefined = {{
    "User Defined",
    "Défini par l'utilisateur",
    "Definido por el usuario",
    "Definito dall’utente",
    "Benutzerdefiniert",
}};

const LocalizedText FreeDiskSpace = {{
    "Free disk space",
    "Espace disque disponible",
    "Espacio libre en disco",
    "Spazio libero su disco",
    "Freier Speicherplatz",
}};

const LocalizedText ImageSize = {{
    "Image size", "Taille de l'image", "Tamaño de imagen", "Dimensioni immagine", "Bildgröße",
}};

const LocalizedText Width = {{"Width", "Largeur", "Ancho", "Larghezza", "Breite"}};

const LocalizedText Height = {{"Height", "Hauteur", "Alto", "Altezza", "Höhe"}};

const LocalizedText Language = {{"Language", "Langue", "Idioma", "Lingua", "Sprache"}};

const LocalizedText PredefinedSetting = {{
    "Pre-defined Setting",
    "Réglage prédéfini",
    "Configuración predefinida",
    "Impostazione predefinita",
    "Voreinstellung",
}};

const LocalizedText Cancel = {{"Cancel", "Annuler", "Cancelar", "Cancella", "Abbrechen"}};

const LocalizedText Ok = {{"OK", "OK", "Aceptar", "OK", "OK"}};

const LocalizedText CalibrationPage = {{
    "Calibration Page",
    "Page d'étalonnage",
    "Página de calibración",
    "Pagina di calibrazione",
    "Kalibrierseite",
}};

const LocalizedText CalibrationRequired = {{
    "In order to scan the scanner must first be calibrated.",
    "Pour pouvoir numériser, le scanner doit d'abord être étalonné.",
    "Para poder digitalizar, primero debe calibrarse el escáner.",
    "Per eseguire la scansione è necessario prima calibrare lo scanner.",
    "Vor dem Scannen muss der Scanner zuerst kalibriert werden.",
}};

// The button named at the end is the Calibrate entry of the same column.
const LocalizedText InsertCalibrationPaper = {{
    "Please insert the black and white calibration paper face down into the scanner then "
    "press Calibrate.",
    "Veuillez insérer la feuille d'étalonnage noir et blanc face vers le bas dans le scanner, "
    "puis cliquez sur Étalonner.",
    "Introduzca en el escáner el papel de calibración en blanco y negro boca abajo y, a "
    "continuación, pulse Calibrar.",
    "Inserire nello scanner il foglio di calibrazione in bianco e nero con il lato stampato "
    "rivolto verso il basso, quindi premere Calibra.",
    "Bitte legen Sie das schwarzweiße Kalibrierpapier mit der Vorderseite nach unten in den "
    "Scanner ein und klicken Sie dann auf Kalibrieren.",
}};

const LocalizedText InsertCleaningPaper = {{
    "Please insert the cleaning paper then press the Clean button. A few drops of alcohol "
    "placed on the cleaning paper may help if the paper alone is not effective.",
    "Veuillez insérer la feuille de nettoyage, puis cliquez sur le bouton Nettoyer. Si la "
    "feuille seule ne suffit pas, quelques gouttes d'alcool déposées sur la feuille de "
    "nettoyage peuvent aider.",
    "Introduzca el papel de limpieza y pulse el botón Limpiar. Si el papel solo no es "
    "suficiente, puede ayudar aplicar unas gotas de alcohol sobre el papel de limpieza.",
    "Inserire il foglio di pulizia, quindi premere il pulsante Pulisci. Se il foglio da solo "
    "non è sufficiente, alcune gocce di alcol sul foglio di pulizia possono essere d'aiuto.",
    "Bitte legen Sie das Reinigungspapier ein und klicken Sie dann auf die Schaltfläche "
    "Reinigen. Falls das Papier allein nicht ausreicht, können einige Tropfen Alkohol auf dem "
    "Reinigungspapier helfen.",
}};

const LocalizedText Calibrate = {{"Calibrate", "Étalonner", "Calibrar", "Calibra", "Kalibrieren"}};

const LocalizedText Clean = {{"Clean", "Nettoyer", "Limpiar", "Pulisci", "Reinigen"}};

const LocalizedText Information = {{
    "Information", "Informations", "Información", "Informazioni", "Information",
}};

const LocalizedText InterfaceLabel = {{
    "Interface: ", "Interface : ", "Interfaz: ", "Interfaccia: ", "Schnittstelle: ",
}};

const LocalizedText DllConfigLabel = {{
    "DLL config: ",
    "Configuration DLL : ",
    "Configuración DLL: ",
    "Configurazione DLL: ",
    "DLL-Konfiguration: ",
}};

const LocalizedText DllVersionLabel = {{
    "DLL version: ", "Version DLL : ", "Versión DLL: ", "Versione DLL: ", "DLL-Version: ",
}};

const LocalizedText DllDateLabel = {{
    "DLL date: ", "Date DLL : ", "Fecha DLL: ", "Data DLL: ", "DLL-Datum: ",
}};

const LocalizedText CopyrightNotice = {{
    "Copyright © All rights reserved.\n\n"
    "Warning: This computer program is protected by copyright law and international treaties. "
    "Unauthorized reproduction or distribution of this program, or any portion of it, will be "
    "prosecuted to the maximum extent possible under the law.",
    "Copyright © Tous droits réservés.\n\n"
    "Avertissement : ce programme est protégé par la loi sur le droit d'auteur et les traités "
    "internationaux. Toute reproduction ou distribution non autorisée de ce programme, ou d'une "
    "partie de celui-ci, sera poursuivie dans toute la mesure permise par la loi.",
    "Copyright © Reservados todos los derechos.\n\n"
    "Advertencia: este programa está protegido por las leyes de derechos de autor y los tratados "
    "internacionales. La reproducción o distribución no autorizada de este programa, o de "
    "cualquier parte del mismo, será perseguida con todo el rigor que permita la ley.",
    "Copyright © Tutti i diritti riservati.\n\n"
    "Avvertenza: questo programma è protetto dalle leggi sul diritto d'autore e dai trattati "
    "internazionali. La riproduzione o la distribuzione non autorizzata di questo programma, o "
    "di parte di esso, sarà perseguita nella misura massima consentita dalla legge.",
    "Copyright © Alle Rechte vorbehalten.\n\n"
    "Warnung: Dieses Programm ist urheberrechtlich und durch internationale Verträge geschützt. "
    "Unbefugte Vervielfältigung oder Verbreitung dieses Programms oder von Teilen davon wird im "
    "größtmöglichen gesetzlich zulässigen Umfang strafrechtlich verfolgt.",
}};

const LocalizedText CustomSettings = {{
    "Custom Settings",
    "Réglages personnalisés",
    "Configuración personalizada",
    "Impostazioni personalizzate",
    "Benutzerdefinierte Einstellungen",
}};

const LocalizedText BlackWhite = {{
    "Black/White", "Noir et blanc", "Blanco y negro", "Bianco e nero", "Schwarzweiß",
}};

const LocalizedText Grayscale = {{
    "Grayscale", "Niveaux de gris", "Escala de grises", "Scala di grigi", "Graustufen",
}};

const LocalizedText Color = {{"Color", "Couleur", "Color", "Colore", "Farbe"}};

const LocalizedText ResolutionLabel = {{
    "Resolution(dpi):",
    "Résolution (ppp) :",
    "Resolución (ppp):",
    "Risoluzione (dpi):",
    "Auflösung (dpi):",
}};

const LocalizedText ScanSizeLabel = {{
    "Scan size:",
    "Format :",
    "Tamaño:",
    "Formato:",
    "Scanformat:",
}};

const LocalizedText FilterLabel = {{"Filter:", "Filtre :", "Filtro:", "Filtro:", "Filter:"}};

const LocalizedText InvertImage = {{
    "Invert image", "Inverser l'image", "Invertir imagen", "Inverti immagine", "Bild invertieren",
}};

const LocalizedText DetectEndOfPage = {{
    "Detect end of page",
    "Détecter la fin de page",
    "Detectar fin de página",
    "Rileva fine pagina",
    "Seitenende erkennen",
}};

const LocalizedText Brightness = {{
    "Brightness", "Luminosité", "Brillo", "Luminosità", "Helligkeit",
}};

const LocalizedText Contrast = {{"Contrast", "Contraste", "Contraste", "Contrasto", "Kontrast"}};

const LocalizedText Gamma = {{"Gamma", "Gamma", "Gamma", "Gamma", "Gamma"}};

const LocalizedText Highlight = {{"Highlight", "Hautes lumières", "Luces", "Luci", "Lichter"}};

const LocalizedText Shadow = {{"Shadow", "Ombres", "Sombras", "Ombre", "Tiefen"}};

const LocalizedText Range = {{"Range", "Plage", "Intervalo", "Intervallo", "Bereich"}};

const LocalizedText Zoom = {{"Zoom +/-", "Zoom +/-", "Zoom +/-", "Zoom +/-", "Zoom +/-"}};

const LocalizedText Unit = {{"Unit", "Unité", "Unidad", "Unità", "Einheit"}};

const LocalizedText Reset = {{
    "Reset", "Réinitialiser", "Restablecer", "Ripristina", "Zurücksetzen",
}};

const LocalizedText Preview = {{"Preview", "Aperçu", "Vista previa", "Anteprima", "Vorschau"}};

const LocalizedText Scan = {{"Scan", "Numériser", "Digitalizar", "Scansione", "Scannen"}};

const LocalizedText PaperSensorLabel = {{
    "Paper sensor:", "Capteur papier :", "Sensor de papel:", "Sensore carta:", "Papiersensor:",
}};

const LocalizedText Default = {{
    "Default", "Par défaut", "Predeterminado", "Predefinito", "Standard",
}};

const LocalizedText PresetPageHelp = {{
    "Use the above pre-defined settings for a quick scan.\n\n"
    "Move the cursor over an icon to see a detailed description. Right click an icon to modify "
    "the settings or use the 'Custom Settings' page to fine-tune the scan parameters.",
    "Utilisez les réglages prédéfinis ci-dessus pour une numérisation rapide.\n\n"
    "Placez le curseur sur une icône pour afficher une description détaillée. Cliquez avec le "
    "bouton droit sur une icône pour modifier les réglages, ou utilisez la page 'Réglages "
    "personnalisés' pour affiner les paramètres de numérisation.",
    "Utilice las configuraciones predefinidas anteriores para una digitalización rápida.\n\n"
    "Sitúe el cursor sobre un icono para ver una descripción detallada. Haga clic con el botón "
    "derecho en un icono para modificar la configuración o utilice la página 'Configuración "
    "personalizada' para ajustar con precisión los parámetros de digitalización.",
    "Utilizzare le impostazioni predefinite qui sopra per una scansione rapida.\n\n"
    "Spostare il cursore su un'icona per visualizzarne una descrizione dettagliata. Fare clic "
    "con il pulsante destro su un'icona per modificare le impostazioni oppure utilizzare la "
    "pagina 'Impostazioni personalizzate' per regolare con precisione i parametri di scansione.",
    "Verwenden Sie die obigen Voreinstellungen für einen schnellen Scan.\n\n"
    "Bewegen Sie den Mauszeiger über ein Symbol, um eine ausführliche Beschreibung zu sehen. "
    "Klicken Sie mit der rechten Maustaste auf ein Symbol, um die Einstellungen zu ändern, oder "
    "verwenden Sie die Seite 'Benutzerdefinierte Einstellungen', um die Scanparameter genau "
    "einzustellen.",
}};

const LocalizedText RepeatLastScan = {{
    "Repeat last scan: ",
    "Répéter la dernière numérisation : ",
    "Repetir la última digitalización: ",
    "Ripeti l'ultima scansione: ",
    "Letzten Scan wiederholen: ",
}};

const LocalizedText DeletePreviewImage = {{
    "Delete preview image? ",
    "Supprimer l'image d'aperçu ? ",
    "¿Desea eliminar la imagen de vista previa? ",
    "Eliminare l'immagine di anteprima? ",
    "Vorschaubild löschen? ",
}};

const LocalizedText CopyFromCustomSettings = {{
    "Copy from Custom Settings",
    "Copier les réglages personnalisés",
    "Copiar configuración personalizada",
    "Copia impostazioni personalizzate",
    "Benutzereinstellungen kopieren",
}};

const LocalizedText CalibratePeriodically = {{
    "Please calibrate your scanner periodically for improved image quality",
    "Étalonnez régulièrement votre scanner pour améliorer la qualité d'image",
    "Calibre el escáner periódicamente para mejorar la calidad de imagen",
    "Calibrare periodicamente lo scanner per migliorare la qualità dell'immagine",
    "Bitte kalibrieren Sie Ihren Scanner regelmäßig, um die Bildqualität zu verbessern",
}};

// The German names carry no dimensions and the Italian ones put them first;
// that is intended, not an oversight.
const LocalizedText PaperLetter = {{
    "Letter size (8.5\" x 11.0\")",
    "Format Letter (8,5\" x 11,0\")",
    "Tamaño Letter (8,5\" x 11,0\")",
    "(8.5\" x 11.0\") formato lettera",
    "Letter Format",
}};

const LocalizedText PaperLegal = {{
    "Legal size (8.5\" x 14.0\")",
    "Format Legal (8,5\" x 14,0\")",
    "Tamaño Legal (8,5\" x 14,0\")",
    "(8.5\" x 14.0\") formato legale",
    "Legal Format",
}};

const LocalizedText PaperA4 = {{
    "A4 size (210mm x 297mm)",
    "Format A4 (210mm x 297mm)",
    "Tamaño A4 (210mm x 297mm)",
    "(210mm x 297mm) formato A4",
    "A4 Format",
}};

const LocalizedText PaperA5 = {{
    "A5 size (148mm x 210mm)",
    "Format A5 (148mm x 210mm)",
    "Tamaño A5 (148mm x 210mm)",
    "(148mm x 210mm) formato A5",
    "A5 Format",
}};

const LocalizedText PaperB5 = {{
    "B5 size (182mm x 257mm)",
    "Format B5 (182mm x 257mm)",
    "Tamaño B5 (182mm x 257mm)",
    "(182mm x 257mm) formato B5",
    "B5 Format",
}};

const LocalizedText PaperBusinessCard = {{
    "Business card (90mm x 55mm)",
    "Carte de visite (90mm x 55mm)",
    "Tarjeta de visita (90mm x 55mm)",
    "(90mm x 55mm) biglietto da visita",
    "Visitenkarte",
}};

const LocalizedText PaperPhoto = {{
    "Photo (5.0\" x 3.5\")",
    "Photo (5,0\" x 3,5\")",
    "Foto (5,0\" x 3,5\")",
    "(5.0\" x 3.5\") foto",
    "Foto",
}};

const LocalizedText PaperLargePhoto = {{
    "Large photo (6.0\" x 4.0\")",
    "Grande photo (6,0\" x 4,0\")",
    "Foto grande (6,0\" x 4,0\")",
    "(6.0\" x 4.0\") foto grande",
    "Großes Foto",
}};

const LocalizedText* const PaperSizeNames[PaperSizeCount] = {
    &PaperLetter, &PaperLegal,        &PaperA4,    &PaperA5,
    &PaperB5,     &PaperBusinessCard, &PaperPhoto, &PaperLargePhoto,
};

}  // namespace texts
