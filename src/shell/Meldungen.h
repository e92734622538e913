#pragma once

// The numbered messages of the language file ("Nachricht<N>Text..."). The numbers are the
// file's keys and show in every message box ("(12) ..."), so they never change; the code
// names them here instead of writing the bare number.
namespace Meldung {
enum : int {
    Allgemein = 0,                    // general notice, warning or error with a text of its own
    KeineGeraeteDatei = 1,            // the device catalogue is missing
    FalschesDateiformat = 2,          // a measurement or job file of the wrong format
    GeraetNichtImKatalog = 3,         // an instrument type the catalogue does not hold
    KonfigurationNichtAnlegbar = 4,   // a configuration file cannot be created
    ZahlAusserhalbBereich = 5,        // a number outside its range
    NurGanzeZahlen = 6,               // whole numbers only
    GraphGespeichert = 7,             // graph properties saved
    GraphAlsDefaultGespeichert = 8,   // graph properties saved as defaults
    KurveExistiert = 9,               // a curve of that name exists
    KurveAngelegt = 10,               // a curve is created
    DoppelteXWerte = 11,              // duplicate X values
    UeberschreibenFragen = 12,        // the file exists: overwrite?
    EinstellungenGespeichert = 13,    // settings saved
    EinstellungenAlsDefault = 14,     // settings saved as defaults
    KurvennameGeaendert = 15,         // a curve name is changed
    RohdatenEinlesenFragen = 16,      // read a file of unknown format as raw values?
    GeraetAntwortetNicht = 17,        // the instrument does not answer in time
    SchnittstelleBesetzt = 18,        // the serial port is held by another program
    Protokollfehler = 19,             // protocol error on the line
    KonfigurationAngelegt = 20,       // a configuration file was created
    EinstellungenGeladen = 21,        // settings loaded
    AuftragErstellen = 22,            // create a job for the instrument
    MessreiheExistiert = 23,          // a series of that name exists
    GeraetespeicherLoeschen = 24,     // the instrument's memory is not cleared: clear it?
    MessdateiLesefehler = 25,         // error while reading the measurement file
    DateiEigenschaftenFehlen = 26,    // file properties cannot be read
    KeineSprachDatei = 27,            // the language file is missing
    DateiFehlt = 28,                  // the file does not exist
    DateiNichtAnlegbar = 29,          // the file cannot be written
    NichtGespeichertFragen = 30,      // the file was not saved: save it?
    ZeitDatumsfehler = 31,            // a time or date error
    MessungAbbrechenFragen = 32,      // the instrument is measuring: abort?
    AuftragUeberschreibenFragen = 33, // the instrument holds a job: overwrite it?
    MessungAuslesenFragen = 34,       // the instrument holds a measurement: read it out?
    FormelFehlerhaft = 35,            // the calculation formula is faulty
    NurZeichen = 36,                  // only these characters may be entered
    EinheitenName = 37,               // a unit name that exists already or cannot be used
    UngleicheBezugseinheiten = 38,    // different reference units
    ZeitAbweichung = 39,              // measured and calculated time differ
    AuftragNichtErfuellt = 40,        // the job was not fulfilled
    InVorbereitung = 999,             // not built yet
};
} // namespace Meldung
