<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChallengeRun</name>
    <message>
        <source>… %1 more</source>
        <translation>… %1 weitere</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>nicht ausgeführt</translation>
    </message>
    <message>
        <source>wrote %1, a move the game does not allow (value %2)</source>
        <translation>schrieb %1, einen Zug, den das Spiel nicht erlaubt (Wert %2)</translation>
    </message>
    <message>
        <source>expected no more output, wrote %1 (value %2)</source>
        <translation>keine weitere Ausgabe erwartet, schrieb %1 (Wert %2)</translation>
    </message>
    <message>
        <source>expected %1, wrote %2 (value %3)</source>
        <translation>erwartet %1, schrieb %2 (Wert %3)</translation>
    </message>
    <message>
        <source>expected output missing: the game was left unfinished</source>
        <translation>erwartete Ausgabe fehlt: das Spiel blieb unvollendet</translation>
    </message>
    <message>
        <source>expected %1, wrote nothing more (value %2)</source>
        <translation>erwartet %1, schrieb nichts mehr (Wert %2)</translation>
    </message>
    <message>
        <source>input left unread: %1 of %2 values read</source>
        <translation>Eingabe nicht ganz gelesen: %1 von %2 Werten gelesen</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
</context>
<context>
    <name>CourseCheck</name>
    <message>
        <source>The program did not end within the step limit!</source>
        <translation>Das Programm endete nicht innerhalb der Schrittgrenze!</translation>
    </message>
</context>
<context>
    <name>PaneWriter</name>
    <message>
        <source>… %1 earlier values not shown</source>
        <translation>… %1 frühere Werte nicht angezeigt</translation>
    </message>
</context>
<context>
    <name>ProgramEditor</name>
    <message>
        <source>No matching ]</source>
        <translation>Keine passende ]</translation>
    </message>
    <message>
        <source>No matching [</source>
        <translation>Keine passende [</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>Nothing was written to the pipe within %1 seconds.</source>
        <translation>Innerhalb von %1 Sekunden wurde nichts in die Pipe geschrieben.</translation>
    </message>
    <message>
        <source>Nothing more was written to the pipe for %1 seconds.</source>
        <translation>%1 Sekunden lang wurde nichts mehr in die Pipe geschrieben.</translation>
    </message>
    <message>
        <source>Waiting for the pipe was cancelled.</source>
        <translation>Das Warten auf die Pipe wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The pipe was still not done after %1 seconds.</source>
        <translation>Die Pipe war nach %1 Sekunden noch nicht fertig.</translation>
    </message>
    <message>
        <source>Nothing reads from the pipe.</source>
        <translation>Niemand liest aus der Pipe.</translation>
    </message>
    <message>
        <source>Nothing more was read from the pipe for %1 seconds.</source>
        <translation>%1 Sekunden lang wurde nichts mehr aus der Pipe gelesen.</translation>
    </message>
</context>
<context>
    <name>ProgressStore</name>
    <message>
        <source>A folder is in its place.</source>
        <translation>An seiner Stelle steht ein Ordner.</translation>
    </message>
    <message>
        <source>The file cannot be changed.</source>
        <translation>Die Datei kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>Its folder cannot be written.</source>
        <translation>Ihr Ordner ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The disk may be full, or the file may be in use.</source>
        <translation>Der Datenträger ist vielleicht voll, oder die Datei ist in Gebrauch.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Required output: %1</source>
        <translation>Verlangte Ausgabe: %1</translation>
    </message>
    <message>
        <source>No test input.</source>
        <translation>Keine Testeingabe.</translation>
    </message>
    <message>
        <source>Test input: %1</source>
        <translation>Testeingabe: %1</translation>
    </message>
</context>
<context>
    <name>TapeModel</name>
    <message>
        <source>Cell %1: %2, the letter %3</source>
        <translation>Zelle %1: %2, der Buchstabe %3</translation>
    </message>
    <message>
        <source>Cell %1: %2</source>
        <translation>Zelle %1: %2</translation>
    </message>
</context>
<context>
    <name>TestResultsModel</name>
    <message>
        <source>[wrong: %1]</source>
        <translation>[falsch: %1]</translation>
    </message>
    <message>
        <source>[missing: %1]</source>
        <translation>[fehlt: %1]</translation>
    </message>
    <message>
        <source>[game unfinished]</source>
        <translation>[Spiel unvollendet]</translation>
    </message>
    <message>
        <source>… %1 more</source>
        <translation>… %1 weitere</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>fail: %1</source>
        <translation>nicht bestanden: %1</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>nicht ausgeführt</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Fall</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
</context>
<context>
    <name>TestResultsView</name>
    <message>
        <source>Test results</source>
        <translation>Testergebnisse</translation>
    </message>
    <message>
        <source>&amp;Debug this case</source>
        <translation>Diesen Fall &amp;debuggen</translation>
    </message>
</context>
<context>
    <name>Zindle</name>
    <message>
        <source>Zindle</source>
        <translation>Zindle</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Maschine</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Eingabe</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Machine</source>
        <translation>&amp;Maschine</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Shift+F5</source>
        <translation>Shift+F5</translation>
    </message>
    <message>
        <source>Step to...</source>
        <translation>Schritte bis...</translation>
    </message>
    <message>
        <source>Tape length...</source>
        <translation>Bandlänge...</translation>
    </message>
    <message>
        <source>Maximum value...</source>
        <translation>Höchstwert...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open your best</source>
        <translation>Ihr bestes Programm öffnen</translation>
    </message>
    <message>
        <source>Open your best passing program for the selected challenge</source>
        <translation>Ihr bestes bestandenes Programm für die gewählte Aufgabe öffnen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Alphabet</source>
        <translation>Alphabet</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Length...</source>
        <translation>Länge...</translation>
    </message>
    <message>
        <source>Alt+L</source>
        <translation>Alt+L</translation>
    </message>
    <message>
        <source>Tape length %1, program length %2</source>
        <translation>Bandlänge %1, Programmlänge %2</translation>
    </message>
    <message>
        <source>Tape length %1</source>
        <translation>Bandlänge %1</translation>
    </message>
    <message>
        <source>Par: %1 commands, %2 steps</source>
        <translation>Richtwert: %1 Befehle, %2 Schritte</translation>
    </message>
    <message>
        <source>Par: %1 commands</source>
        <translation>Richtwert: %1 Befehle</translation>
    </message>
    <message>
        <source>Your best: %1 commands, %2 steps</source>
        <translation>Ihre Bestleistung: %1 Befehle, %2 Schritte</translation>
    </message>
    <message>
        <source>Your best: passed, no program kept</source>
        <translation>Ihre Bestleistung: bestanden, kein Programm aufbewahrt</translation>
    </message>
    <message>
        <source>Your best: not passed yet</source>
        <translation>Ihre Bestleistung: noch nicht bestanden</translation>
    </message>
    <message>
        <source>%1 of %2 complete</source>
        <translation>%1 von %2 gelöst</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Your program has passed the challenge!</source>
        <translation>Ihr Programm hat die Aufgabe bestanden!</translation>
    </message>
    <message>
        <source>%1:
%2</source>
        <translation>%1:
%2</translation>
    </message>
    <message>
        <source>Keep program</source>
        <translation>Programm aufbewahren</translation>
    </message>
    <message>
        <source>Your passing program could not be kept in
%1

The challenge is marked complete all the same.</source>
        <translation>Ihr bestandenes Programm konnte nicht aufbewahrt werden in
%1

Die Aufgabe ist trotzdem als gelöst markiert.</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>The program failed the challenge.</source>
        <translation>Das Programm hat die Aufgabe nicht bestanden.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>This challenge cannot be tested: it has no test cases.</source>
        <translation>Diese Aufgabe kann nicht getestet werden: Sie hat keine Testfälle.</translation>
    </message>
    <message>
        <source>This challenge cannot be tested: its test type &quot;%1&quot; is unknown.</source>
        <translation>Diese Aufgabe kann nicht getestet werden: Ihre Testart „%1“ ist unbekannt.</translation>
    </message>
    <message>
        <source>Program length</source>
        <translation>Programmlänge</translation>
    </message>
    <message>
        <source>Your program is %1 commands. This task requires a program of %2 or less commands.</source>
        <translation>Ihr Programm hat %1 Befehle. Diese Aufgabe verlangt ein Programm von höchstens %2 Befehlen.</translation>
    </message>
    <message>
        <source>Invalid move over left side of tape!</source>
        <translation>Unzulässige Bewegung über das linke Bandende!</translation>
    </message>
    <message>
        <source>Invalid move over right side of tape!</source>
        <translation>Unzulässige Bewegung über das rechte Bandende!</translation>
    </message>
    <message>
        <source>Bad input!</source>
        <translation>Ungültige Eingabe!</translation>
    </message>
    <message>
        <source>Bad output!</source>
        <translation>Ungültige Ausgabe!</translation>
    </message>
    <message>
        <source>Unmatched loop!</source>
        <translation>Schleife ohne Gegenstück!</translation>
    </message>
    <message>
        <source>The program terminated without delivering the full result!</source>
        <translation>Das Programm endete, ohne das vollständige Ergebnis zu liefern!</translation>
    </message>
    <message>
        <source>Unknown crash! How odd.</source>
        <translation>Unbekannter Absturz! Wie seltsam.</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Zindle - unsaved*</source>
        <translation>Zindle - ungespeichert*</translation>
    </message>
    <message>
        <source>Zindle - %1*</source>
        <translation>Zindle - %1*</translation>
    </message>
    <message>
        <source>Zindle - %1</source>
        <translation>Zindle - %1</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Do you want to save changes to your existing program?</source>
        <translation>Möchten Sie die Änderungen an Ihrem Programm speichern?</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The program could not be saved to %1:
%2

It is still in the editor.</source>
        <translation>Das Programm konnte nicht in %1 gespeichert werden:
%2

Es steht weiterhin im Editor.</translation>
    </message>
    <message>
        <source>Open failed</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The program could not be read from %1:
%2</source>
        <translation>Das Programm konnte nicht aus %1 gelesen werden:
%2</translation>
    </message>
    <message>
        <source>Crash</source>
        <translation>Absturz</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>out of loop</source>
        <translation>aus der Schleife</translation>
    </message>
    <message>
        <source>to next input</source>
        <translation>zur nächsten Eingabe</translation>
    </message>
    <message>
        <source>to next output</source>
        <translation>zur nächsten Ausgabe</translation>
    </message>
    <message>
        <source>Run speed</source>
        <translation>Ausführungstempo</translation>
    </message>
    <message>
        <source>Full speed</source>
        <translation>Volles Tempo</translation>
    </message>
    <message>
        <source>1000 commands per second</source>
        <translation>1000 Befehle pro Sekunde</translation>
    </message>
    <message>
        <source>100 commands per second</source>
        <translation>100 Befehle pro Sekunde</translation>
    </message>
    <message>
        <source>10 commands per second</source>
        <translation>10 Befehle pro Sekunde</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Your program contains %1 commands.</source>
        <translation>Ihr Programm enthält %1 Befehle.</translation>
    </message>
    <message>
        <source>Enter tape length...</source>
        <translation>Bandlänge eingeben...</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Enter maximum value...</source>
        <translation>Höchstwert eingeben...</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>Serious warning</source>
        <translation>Ernste Warnung</translation>
    </message>
    <message>
        <source>Nobody can help you.</source>
        <translation>Niemand kann Ihnen helfen.</translation>
    </message>
    <message>
        <source>About Zindle</source>
        <translation>Über Zindle</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zindle %1&lt;/h3&gt;&lt;p&gt;A workbench for writing, running and debugging brainfuck programs, with a course of challenges to work through.&lt;/p&gt;&lt;p&gt;MurkleSoftware&lt;br&gt;murklesoftware.example&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Zindle %1&lt;/h3&gt;&lt;p&gt;Eine Werkbank zum Schreiben, Ausführen und Untersuchen von Brainfuck-Programmen, mit einem Kurs von Aufgaben zum Durcharbeiten.&lt;/p&gt;&lt;p&gt;MurkleSoftware&lt;br&gt;murklesoftware.example&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keep progress</source>
        <translation>Fortschritt aufbewahren</translation>
    </message>
    <message>
        <source>Your progress could not be saved in
%1
%2

Passes show until Zindle closes, but are lost after that.</source>
        <translation>Ihr Fortschritt konnte nicht gespeichert werden in
%1
%2

Bestandene Aufgaben werden angezeigt, bis Zindle geschlossen wird, gehen danach aber verloren.</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Warte auf %1...</translation>
    </message>
    <message>
        <source>Test results</source>
        <translation>Testergebnisse</translation>
    </message>
    <message>
        <source>Test &amp;results</source>
        <translation>Test&amp;ergebnisse</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Back 10</source>
        <translation>10 zurück</translation>
    </message>
    <message>
        <source>Back 100</source>
        <translation>100 zurück</translation>
    </message>
    <message>
        <source>Back 1000</source>
        <translation>1000 zurück</translation>
    </message>
    <message>
        <source>Back to the previous output</source>
        <translation>Zurück zur vorigen Ausgabe</translation>
    </message>
    <message>
        <source>Back to the previous input</source>
        <translation>Zurück zur vorigen Eingabe</translation>
    </message>
    <message>
        <source>Back to the previous breakpoint</source>
        <translation>Zurück zum vorigen Haltepunkt</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Zurück zum Anfang</translation>
    </message>
</context>
<context>
    <name>ZindleCheck</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Datei %1</translation>
    </message>
    <message>
        <source>Challenge %1, %2: program of %3 commands</source>
        <translation>Aufgabe %1, %2: Programm von %3 Befehlen</translation>
    </message>
    <message>
        <source>FAIL: no case was run.</source>
        <translation>FAIL: Kein Fall wurde ausgeführt.</translation>
    </message>
    <message>
        <source>case %1: %2 (%3 commands)</source>
        <translation>Fall %1: %2 (%3 Befehle)</translation>
    </message>
    <message>
        <source>PASS: %1 of %2 cases passed.</source>
        <translation>PASS: %1 von %2 Fällen bestanden.</translation>
    </message>
    <message>
        <source>FAIL: case %1 of %2 failed; the rest were not run.</source>
        <translation>FAIL: Fall %1 von %2 nicht bestanden; die übrigen wurden nicht ausgeführt.</translation>
    </message>
    <message>
        <source>FAIL: %1 of %2 cases passed.</source>
        <translation>FAIL: %1 von %2 Fällen bestanden.</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grenze</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Fälle</translation>
    </message>
    <message>
        <source>Tests a brainfuck program against a challenge of the Zindle course.</source>
        <translation>Testet ein Brainfuck-Programm mit einer Aufgabe des Zindle-Kurses.</translation>
    </message>
    <message>
        <source>Print the challenges of the course.</source>
        <translation>Die Aufgaben des Kurses ausgeben.</translation>
    </message>
    <message>
        <source>The challenge, by row or by name.</source>
        <translation>Die Aufgabe, nach Zeile oder Name.</translation>
    </message>
    <message>
        <source>Steps allowed per case before it fails (default %1).</source>
        <translation>Erlaubte Schritte je Fall, bevor er scheitert (Vorgabe %1).</translation>
    </message>
    <message>
        <source>Run every case, not only up to the first failure.</source>
        <translation>Jeden Fall ausführen, nicht nur bis zum ersten Fehlschlag.</translation>
    </message>
    <message>
        <source>Report as text (the default), json (one object per line and program) or junit (one testsuite per program).</source>
        <translation>Bericht als text (Vorgabe), json (ein Objekt je Zeile und Programm) oder junit (eine testsuite je Programm).</translation>
    </message>
    <message>
        <source>Ignored: no graphical platform is used.</source>
        <translation>Ignoriert: Es wird keine grafische Plattform verwendet.</translation>
    </message>
    <message>
        <source>Usage: zindle-check --list | --challenge ROW|NAME [--max-steps N] [--all] [--format text|json|junit] PROGRAM.bf...</source>
        <translation>Aufruf: zindle-check --list | --challenge ZEILE|NAME [--max-steps N] [--all] [--format text|json|junit] PROGRAMM.bf...</translation>
    </message>
    <message>
        <source>zindle-check: the course could not be read.</source>
        <translation>zindle-check: Der Kurs konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>--list takes no challenge and no program.</source>
        <translation>--list nimmt keine Aufgabe und kein Programm.</translation>
    </message>
    <message>
        <source>either --list or --challenge is needed.</source>
        <translation>entweder --list oder --challenge ist nötig.</translation>
    </message>
    <message>
        <source>a program file is needed.</source>
        <translation>eine Programmdatei ist nötig.</translation>
    </message>
    <message>
        <source>no challenge &quot;%1&quot;; --list shows the course.</source>
        <translation>keine Aufgabe „%1“; --list zeigt den Kurs.</translation>
    </message>
    <message>
        <source>--format is text, json or junit.</source>
        <translation>--format ist text, json oder junit.</translation>
    </message>
    <message>
        <source>--max-steps needs a positive number.</source>
        <translation>--max-steps braucht eine positive Zahl.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>zindle-check: %1</source>
        <translation>zindle-check: %1</translation>
    </message>
    <message>
        <source>zindle-check: cannot write the report: %1</source>
        <translation>zindle-check: der Bericht kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>The program files to test, one after another; - is the standard input.</source>
        <translation>Die zu testenden Programmdateien, eine nach der anderen; - ist die Standardeingabe.</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehrfach angegeben.</translation>
    </message>
</context>
</TS>
