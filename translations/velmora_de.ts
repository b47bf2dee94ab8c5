<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>modVelmora::BellCurve</name>
    <message>
        <source>Bell curve</source>
        <translation>Glockenkurve</translation>
    </message>
    <message>
        <source>the picture could not be drawn as PNG or SVG</source>
        <translation>das Bild ließ sich nicht als PNG oder SVG zeichnen</translation>
    </message>
</context>
<context>
    <name>modVelmora::Change</name>
    <message>
        <source>Jacobson &amp; Truax (1991)</source>
        <translation>Jacobson &amp; Truax (1991)</translation>
    </message>
    <message>
        <source>Chelune et al. (1993)</source>
        <translation>Chelune et al. (1993)</translation>
    </message>
    <message>
        <source>Iverson (2001)</source>
        <translation>Iverson (2001)</translation>
    </message>
    <message>
        <source>Crawford &amp; Garthwaite (2007)</source>
        <translation>Crawford &amp; Garthwaite (2007)</translation>
    </message>
    <message>
        <source>Reliable improvement</source>
        <translation>Reliable Verbesserung</translation>
    </message>
    <message>
        <source>Reliable decline</source>
        <translation>Reliable Verschlechterung</translation>
    </message>
    <message>
        <source>No reliable change</source>
        <translation>Keine reliable Veränderung</translation>
    </message>
</context>
<context>
    <name>modVelmora::Difference</name>
    <message>
        <source>No significant difference</source>
        <translation>Keine signifikante Differenz</translation>
    </message>
    <message>
        <source>Significant difference</source>
        <translation>Signifikante Differenz</translation>
    </message>
</context>
<context>
    <name>modVelmora::Interval</name>
    <message>
        <source>Obtained score</source>
        <translation>Erzielter Wert</translation>
    </message>
    <message>
        <source>Estimated true score</source>
        <translation>Geschätzter wahrer Wert</translation>
    </message>
</context>
<context>
    <name>modVelmora::Labels</name>
    <message>
        <source>Exceptionally high score</source>
        <translation>Außergewöhnlich hoher Wert</translation>
    </message>
    <message>
        <source>Extremely high</source>
        <translation>Extrem hoch</translation>
    </message>
    <message>
        <source>Above average score</source>
        <translation>Überdurchschnittlicher Wert</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Sehr hoch</translation>
    </message>
    <message>
        <source>High average score</source>
        <translation>Wert im oberen Durchschnitt</translation>
    </message>
    <message>
        <source>High average</source>
        <translation>Oberer Durchschnitt</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Durchschnittlicher Wert</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Low average score</source>
        <translation>Wert im unteren Durchschnitt</translation>
    </message>
    <message>
        <source>Low average</source>
        <translation>Unterer Durchschnitt</translation>
    </message>
    <message>
        <source>Below average score</source>
        <translation>Unterdurchschnittlicher Wert</translation>
    </message>
    <message>
        <source>Very low</source>
        <translation>Sehr niedrig</translation>
    </message>
    <message>
        <source>Exceptionally low score</source>
        <translation>Außergewöhnlich niedriger Wert</translation>
    </message>
    <message>
        <source>Extremely low</source>
        <translation>Extrem niedrig</translation>
    </message>
    <message>
        <source>AACN 2020</source>
        <translation>AACN 2020</translation>
    </message>
    <message>
        <source>Wechsler</source>
        <translation>Wechsler (US)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Descriptive label</source>
        <translation>Beschreibende Kategorie</translation>
    </message>
    <message>
        <source>Standard score %1: %2 (%3)</source>
        <translation>IQ-Wert %1: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>modVelmora::Messages</name>
    <message>
        <source>Invalid Date</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>The test date cannot be less than the birth date.</source>
        <translation>Das Testdatum darf nicht vor dem Geburtsdatum liegen.</translation>
    </message>
    <message>
        <source>Error.</source>
        <translation>Fehler.</translation>
    </message>
    <message>
        <source>Cannot divide by 0.</source>
        <translation>Division durch 0 nicht möglich.</translation>
    </message>
    <message>
        <source>Please enter a percentile that is greater than 0 and less than 100.</source>
        <translation>Bitte einen Prozentrang eingeben, der größer als 0 und kleiner als 100 ist.</translation>
    </message>
    <message>
        <source>Scaled score values must be between 1 and 20</source>
        <translation>Wertpunkte müssen zwischen 1 und 20 liegen.</translation>
    </message>
    <message>
        <source>Please enter a raw score.</source>
        <translation>Bitte einen Rohwert eingeben.</translation>
    </message>
    <message>
        <source>Please enter the sample mean.</source>
        <translation>Bitte den Mittelwert der Normstichprobe eingeben.</translation>
    </message>
    <message>
        <source>Please enter the sample standard deviation.</source>
        <translation>Bitte die Standardabweichung der Normstichprobe eingeben.</translation>
    </message>
    <message>
        <source>The standard deviation cannot equal zero.</source>
        <translation>Die Standardabweichung darf nicht null sein.</translation>
    </message>
    <message>
        <source>Please enter the size of the normative sample.</source>
        <translation>Bitte den Umfang der Normstichprobe eingeben.</translation>
    </message>
    <message>
        <source>The normative sample size must be greater than 1.</source>
        <translation>Der Umfang der Normstichprobe muss größer als 1 sein.</translation>
    </message>
    <message>
        <source>The normative sample size must be at most 9999.</source>
        <translation>Die Größe der Normstichprobe darf höchstens 9999 betragen.</translation>
    </message>
    <message>
        <source>Please enter the gestation as weeks or weeks+days, for example 30+2.</source>
        <translation>Bitte das Gestationsalter in Wochen oder Wochen+Tagen eingeben, zum Beispiel 30+2.</translation>
    </message>
    <message>
        <source>before the due date</source>
        <translation>vor dem errechneten Termin</translation>
    </message>
    <message>
        <source>not corrected (born at term)</source>
        <translation>entfällt (termingeboren)</translation>
    </message>
    <message>
        <source>Please enter the test score.</source>
        <translation>Bitte geben Sie den Testwert ein.</translation>
    </message>
    <message>
        <source>Please enter the retest score.</source>
        <translation>Bitte geben Sie den Retestwert ein.</translation>
    </message>
    <message>
        <source>Please enter both means of the retest study, or neither.</source>
        <translation>Bitte geben Sie beide Mittelwerte der Retest-Studie ein oder keinen.</translation>
    </message>
    <message>
        <source>Please enter the SD at test.</source>
        <translation>Bitte geben Sie die SD beim Test ein.</translation>
    </message>
    <message>
        <source>The SD at test must be greater than 0.</source>
        <translation>Die SD beim Test muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>The SD at retest must be greater than 0.</source>
        <translation>Die SD beim Retest muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Please enter a test–retest correlation greater than 0 and less than 1.</source>
        <translation>Bitte geben Sie eine Retest-Korrelation größer als 0 und kleiner als 1 ein.</translation>
    </message>
    <message>
        <source>The size of the retest sample must be from 3 to 9999.</source>
        <translation>Die Größe der Retest-Stichprobe muss zwischen 3 und 9999 liegen.</translation>
    </message>
    <message>
        <source>Please enter a reliability greater than 0 and less than 1.</source>
        <translation>Bitte geben Sie eine Reliabilität größer als 0 und kleiner als 1 ein.</translation>
    </message>
    <message>
        <source>The file is empty: its first line must name the columns name, mean and sd.</source>
        <translation>Die Datei ist leer: Ihre erste Zeile muss die Spalten name, mean und sd nennen.</translation>
    </message>
    <message>
        <source>The file is larger than 16 MB, too large to hold norm sets.</source>
        <translation>Die Datei ist größer als 16 MB, zu groß für Normsätze.</translation>
    </message>
    <message>
        <source>Line 1: the columns are separated by semicolons; norm sets are read with commas between the columns and a point in numbers.</source>
        <translation>Zeile 1: Die Spalten sind durch Semikolons getrennt; Normsätze werden mit Kommas zwischen den Spalten und einem Punkt in Zahlen gelesen.</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed, or a quote stands inside a field without quotes.</source>
        <translation>Zeile %1: Ein Feld in Anführungszeichen ist nicht geschlossen, oder ein Anführungszeichen steht in einem Feld ohne Anführungszeichen.</translation>
    </message>
    <message>
        <source>Line %1: the text is not UTF-8; save the file as &quot;CSV UTF-8&quot;.</source>
        <translation>Zeile %1: Der Text ist nicht UTF-8; speichern Sie die Datei als „CSV UTF-8“.</translation>
    </message>
    <message>
        <source>Line %1: the row has more fields than the first line has columns.</source>
        <translation>Zeile %1: Die Zeile hat mehr Felder, als die erste Zeile Spalten hat.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Line %1: the name &quot;%2&quot; is given twice.</source>
        <translation>Zeile %1: Der Name „%2“ kommt zweimal vor.</translation>
    </message>
    <message>
        <source>A norm set needs a name.</source>
        <translation>Ein Normsatz braucht einen Namen.</translation>
    </message>
    <message>
        <source>A norm set&apos;s name cannot hold tabs, line breaks or other control characters.</source>
        <translation>Der Name eines Normsatzes darf keine Tabulatoren, Zeilenumbrüche oder andere Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The mean is missing.</source>
        <translation>Der Mittelwert fehlt.</translation>
    </message>
    <message>
        <source>The mean must be a number of at most 8 characters, with a point for decimals: %1</source>
        <translation>Der Mittelwert muss eine Zahl mit höchstens 8 Zeichen sein, mit einem Punkt für Dezimalstellen: %1</translation>
    </message>
    <message>
        <source>The SD is missing.</source>
        <translation>Die SD fehlt.</translation>
    </message>
    <message>
        <source>The SD must be a number greater than 0, of at most 8 characters, with a point for decimals: %1</source>
        <translation>Die SD muss eine Zahl größer als 0 mit höchstens 8 Zeichen sein, mit einem Punkt für Dezimalstellen: %1</translation>
    </message>
    <message>
        <source>n must be empty or a whole number from 2 to 9999: %1</source>
        <translation>n muss leer oder eine ganze Zahl von 2 bis 9999 sein: %1</translation>
    </message>
    <message>
        <source>reverse must be 0 or 1, true or false, yes or no: %1</source>
        <translation>reverse muss 0 oder 1, true oder false, yes oder no sein: %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The norm sets file was damaged and has been kept as %1; the list of norm sets starts empty. %2</source>
        <translation>Die Datei der Normsätze war beschädigt und wurde als %1 aufbewahrt; die Liste der Normsätze beginnt leer. %2</translation>
    </message>
    <message>
        <source>The norm sets file %1 is damaged and could not be set aside (%2); no norm set can be saved until it is mended or removed. %3</source>
        <translation>Die Datei der Normsätze %1 ist beschädigt und konnte nicht beiseitegelegt werden (%2); kein Normsatz kann gespeichert werden, bis sie repariert oder entfernt ist. %3</translation>
    </message>
    <message>
        <source>%1 No norm set can be saved until it can be read.</source>
        <translation>%1 Kein Normsatz kann gespeichert werden, bis sie gelesen werden kann.</translation>
    </message>
    <message>
        <source>Nothing was changed. %1</source>
        <translation>Nichts wurde geändert. %1</translation>
    </message>
    <message>
        <source>Nothing was imported from %1. %2</source>
        <translation>Aus %1 wurde nichts importiert. %2</translation>
    </message>
    <message>
        <source>There is no norm set named &quot;%1&quot;.</source>
        <translation>Es gibt keinen Normsatz namens „%1“.</translation>
    </message>
    <message>
        <source>There is already a norm set named &quot;%1&quot;.</source>
        <translation>Es gibt bereits einen Normsatz namens „%1“.</translation>
    </message>
    <message>
        <source>Please enter score X.</source>
        <translation>Bitte Wert X eingeben.</translation>
    </message>
    <message>
        <source>Please enter score Y.</source>
        <translation>Bitte Wert Y eingeben.</translation>
    </message>
    <message>
        <source>Scores on this scale are whole numbers: please enter them without decimals.</source>
        <translation>Werte auf dieser Skala sind ganze Zahlen: bitte ohne Nachkommastellen eingeben.</translation>
    </message>
    <message>
        <source>Please enter the reliability of X.</source>
        <translation>Bitte die Reliabilität von X eingeben.</translation>
    </message>
    <message>
        <source>Please enter the reliability of Y.</source>
        <translation>Bitte die Reliabilität von Y eingeben.</translation>
    </message>
    <message>
        <source>The reliability of X must be greater than 0 and less than 1.</source>
        <translation>Die Reliabilität von X muss größer als 0 und kleiner als 1 sein.</translation>
    </message>
    <message>
        <source>The reliability of Y must be greater than 0 and less than 1.</source>
        <translation>Die Reliabilität von Y muss größer als 0 und kleiner als 1 sein.</translation>
    </message>
    <message>
        <source>Please enter the correlation of X and Y.</source>
        <translation>Bitte die Korrelation von X und Y eingeben.</translation>
    </message>
    <message>
        <source>The correlation of X and Y must be greater than -1 and less than 1.</source>
        <translation>Die Korrelation von X und Y muss größer als -1 und kleiner als 1 sein.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; mean on X.</source>
        <translation>Bitte den Mittelwert der Kontrollen in X eingeben.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; mean on Y.</source>
        <translation>Bitte den Mittelwert der Kontrollen in Y eingeben.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; SD on X.</source>
        <translation>Bitte die SD der Kontrollen in X eingeben.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; SD on Y.</source>
        <translation>Bitte die SD der Kontrollen in Y eingeben.</translation>
    </message>
    <message>
        <source>The controls&apos; SD on X must be greater than 0.</source>
        <translation>Die SD der Kontrollen in X muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>The controls&apos; SD on Y must be greater than 0.</source>
        <translation>Die SD der Kontrollen in Y muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Please enter the number of controls.</source>
        <translation>Bitte die Anzahl der Kontrollpersonen eingeben.</translation>
    </message>
    <message>
        <source>The number of controls must be from 3 to 9999.</source>
        <translation>Die Anzahl der Kontrollpersonen muss zwischen 3 und 9999 liegen.</translation>
    </message>
    <message>
        <source>The standard deviation cannot be negative.</source>
        <translation>Die Standardabweichung darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>No such file or folder</source>
        <translation>Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>A part of the path is not a folder</source>
        <translation>Ein Teil des Pfades ist kein Ordner</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Please enter a score.</source>
        <translation>Bitte einen Wert eingeben.</translation>
    </message>
    <message>
        <source>The score is not a number.</source>
        <translation>Der Wert ist keine Zahl.</translation>
    </message>
    <message>
        <source>Please choose the score&apos;s scale.</source>
        <translation>Bitte die Skala des Werts wählen.</translation>
    </message>
    <message>
        <source>The scale is none of Percentile, Scaled Score, Standard Score, T-Score and Z-Score.</source>
        <translation>Die Skala ist keine der folgenden: Prozentrang, Wertpunkte, IQ-Wert, T-Wert, z-Wert.</translation>
    </message>
    <message>
        <source>The reliability is not a number.</source>
        <translation>Die Reliabilität ist keine Zahl.</translation>
    </message>
    <message>
        <source>The score is too large to convert.</source>
        <translation>Der Wert ist zu groß, um ihn umzurechnen.</translation>
    </message>
    <message>
        <source>Line 1: there is no column &quot;%1&quot;; the first line must name the columns name, mean and sd (n, reverse, source, ages and notes may follow).</source>
        <translation>Zeile 1: Es gibt keine Spalte „%1“; die erste Zeile muss die Spalten name, mean und sd nennen (n, reverse, source, ages und notes dürfen folgen).</translation>
    </message>
    <message>
        <source>A norm set&apos;s source, ages and notes cannot hold tabs, line breaks or other control characters.</source>
        <translation>Quelle, Altersbereich und Notizen eines Normsatzes dürfen keine Tabulatoren, Zeilenumbrüche oder andere Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The result is out of range.</source>
        <translation>Das Ergebnis liegt außerhalb des darstellbaren Bereichs.</translation>
    </message>
</context>
<context>
    <name>modVelmora::ModuleWindow</name>
    <message>
        <source>Raw to Percentile</source>
        <translation>Rohwert in Prozentrang</translation>
    </message>
    <message>
        <source>Score Converter</source>
        <translation>Normwertumrechnung</translation>
    </message>
    <message>
        <source>Age Calculator</source>
        <translation>Altersrechner</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Modul</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Descriptive Labels</source>
        <translation>&amp;Beschreibende Kategorien</translation>
    </message>
    <message>
        <source>The manual could not be opened: no program for PDF documents was found. It is at %1</source>
        <translation>Das Handbuch konnte nicht geöffnet werden: Es wurde kein Programm für PDF-Dokumente gefunden. Es liegt unter %1</translation>
    </message>
    <message>
        <source>Score Interval</source>
        <translation>Konfidenzintervall</translation>
    </message>
    <message>
        <source>Reliable Change</source>
        <translation>Reliable Veränderung</translation>
    </message>
    <message>
        <source>&amp;Session…</source>
        <translation>&amp;Sitzung…</translation>
    </message>
    <message>
        <source>Sess&amp;ion…</source>
        <translation>Si&amp;tzung…</translation>
    </message>
    <message>
        <source>Show the session: every result calculated, in one table (Ctrl+Shift+S)</source>
        <translation>Die Sitzung zeigen: alle berechneten Ergebnisse in einer Tabelle (Strg+Umschalt+S)</translation>
    </message>
    <message>
        <source>Score Difference</source>
        <translation>Testwertdifferenz</translation>
    </message>
    <message>
        <source>Score Profile</source>
        <translation>Testprofil</translation>
    </message>
</context>
<context>
    <name>modVelmora::OutOfDateResults</name>
    <message>
        <source>Out of date: an entry has changed since Calculate.</source>
        <translation>Veraltet: Eine Eingabe wurde seit dem Berechnen geändert.</translation>
    </message>
    <message>
        <source>Out of date: press Calculate before copying.</source>
        <translation>Nicht aktuell: vor dem Kopieren Berechnen drücken.</translation>
    </message>
</context>
<context>
    <name>modVelmora::Platform</name>
    <message>
        <source>The Velmora</source>
        <translation>The Velmora</translation>
    </message>
    <message>
        <source>The document could not be printed to %1: %2.</source>
        <translation>Das Dokument konnte nicht in %1 gedruckt werden: %2.</translation>
    </message>
</context>
<context>
    <name>modVelmora::ProfileChart</name>
    <message>
        <source>Score profile</source>
        <translation>Testprofil</translation>
    </message>
    <message>
        <source>Standard Score</source>
        <translation>IQ-Wert</translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Prozentrang</translation>
    </message>
</context>
<context>
    <name>modVelmora::ProfileTable</name>
    <message>
        <source>%1, row %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Reliability</source>
        <translation>Reliabilität</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>percentile %1</source>
        <translation>Prozentrang %1</translation>
    </message>
    <message>
        <source>standard score %1</source>
        <translation>IQ-Wert %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>modVelmora::Program</name>
    <message numerus="yes">
        <source>The results of this session (%n) could not be kept on disk, and go when the program ends. Save them as a CSV file first?</source>
        <translation>
            <numerusform>Das Ergebnis dieser Sitzung konnte nicht auf dem Datenträger gespeichert werden und geht verloren, wenn das Programm endet. Zuerst als CSV-Datei speichern?</numerusform>
            <numerusform>Die %n Ergebnisse dieser Sitzung konnten nicht auf dem Datenträger gespeichert werden und gehen verloren, wenn das Programm endet. Zuerst als CSV-Datei speichern?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>modVelmora::Report</name>
    <message>
        <source>%1 months %2 days</source>
        <translation>%1 Monate %2 Tage</translation>
    </message>
    <message>
        <source>age %1 (%2)</source>
        <translation>Alter %1 (%2)</translation>
    </message>
    <message>
        <source>corrected age %1 (%2)</source>
        <translation>korrigiertes Alter %1 (%2)</translation>
    </message>
    <message>
        <source>corrected age: %1</source>
        <translation>korrigiertes Alter: %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>t %1 (%2 df)</source>
        <translation>t %1 (%2 FG)</translation>
    </message>
    <message>
        <source>z %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3, p %4)</source>
        <translation>%1: %2 (%3, p %4)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Prozentrang</translation>
    </message>
    <message>
        <source>Confidence interval</source>
        <translation>Konfidenzintervall</translation>
    </message>
    <message>
        <source>Descriptive label</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2 and %3</source>
        <translation>%1&#xa0;%2 und %3</translation>
    </message>
    <message>
        <source>difference %1, critical difference %2: %3; base rate %4% (%5% either direction)</source>
        <translation>Differenz %1, kritische Differenz %2: %3; Basisrate %4&#xa0;% (%5&#xa0;% in beide Richtungen)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>z %1 and %2, Z-DCC %3, t %4 (%5 df), p %6: %7</source>
        <translation>z %1 und %2, Z-DCC %3, t %4 (%5 FG), p %6: %7</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 %2 (%3% CI %4)</source>
        <translation>%1&#xa0;%2 (%3&#xa0;%-KI %4)</translation>
    </message>
    <message>
        <source>%1% confidence, reliability %2</source>
        <translation>%1&#xa0;% Konfidenz, Reliabilität %2</translation>
    </message>
    <message>
        <source>around the estimated true score %1</source>
        <translation>um den geschätzten wahren Wert %1</translation>
    </message>
    <message>
        <source>percentiles %1 to %2</source>
        <translation>Prozentränge %1 bis %2</translation>
    </message>
    <message>
        <source>raw %1 (mean %2, SD %3)</source>
        <translation>Rohwert %1 (Mittelwert %2, SD %3)</translation>
    </message>
    <message>
        <source>t %1 against a normative sample of %2</source>
        <translation>t %1 bei einer Normstichprobe von %2</translation>
    </message>
    <message>
        <source>z-CC %1 (95% CI %2 to %3)</source>
        <translation>z-CC %1 (95&#xa0;%-KI %2 bis %3)</translation>
    </message>
    <message>
        <source>low scores are good</source>
        <translation>niedrige Werte sind besser</translation>
    </message>
    <message>
        <source>raw %1 (mean %2, SD %3, norm set %4)</source>
        <translation>Rohwert %1 (Mittelwert %2, SD %3, Normsatz %4)</translation>
    </message>
    <message>
        <source>norms from %1</source>
        <translation>Normen aus %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::ResultControls</name>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Anzahl der Nachkommastellen</translation>
    </message>
</context>
<context>
    <name>modVelmora::ResultTable</name>
    <message>
        <source>Copy the results table to the clipboard</source>
        <translation>Ergebnistabelle in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>modVelmora::Scales</name>
    <message>
        <source>Percentile</source>
        <translation>Prozentrang</translation>
    </message>
    <message>
        <source>Scaled Score</source>
        <translation>Wertpunkte</translation>
    </message>
    <message>
        <source>Standard Score</source>
        <translation>IQ-Wert</translation>
    </message>
    <message>
        <source>T-Score</source>
        <translation>T-Wert</translation>
    </message>
    <message>
        <source>Z-Score</source>
        <translation>z-Wert</translation>
    </message>
    <message>
        <source>Percentage of the norm group scoring below this score</source>
        <translation>Prozentsatz der Normstichprobe mit einem niedrigeren Wert</translation>
    </message>
    <message>
        <source>Mean 10, SD 3: Wechsler subtests</source>
        <translation>Mittelwert 10, SD 3: Wechsler-Untertests</translation>
    </message>
    <message>
        <source>Mean 100, SD 15: IQ and index scores (Wechsler, Stanford-Binet)</source>
        <translation>Mittelwert 100, SD 15: IQ- und Indexwerte (Wechsler, Stanford-Binet)</translation>
    </message>
    <message>
        <source>Mean 50, SD 10: demographically corrected norms (Heaton), MMPI and other personality and symptom scales</source>
        <translation>Mittelwert 50, SD 10: demografisch korrigierte Normen (Heaton), MMPI und andere Persönlichkeits- und Symptomskalen</translation>
    </message>
    <message>
        <source>Mean 0, SD 1: the distance from the mean in standard deviations</source>
        <translation>Mittelwert 0, SD 1: der Abstand vom Mittelwert in Standardabweichungen</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>Prozentrang</translation>
    </message>
    <message>
        <source>scaled score</source>
        <translation>Wertpunkte</translation>
    </message>
    <message>
        <source>standard score</source>
        <translation>IQ-Wert</translation>
    </message>
    <message>
        <source>T-score</source>
        <translation>T-Wert</translation>
    </message>
    <message>
        <source>z-score</source>
        <translation>z-Wert</translation>
    </message>
</context>
<context>
    <name>modVelmora::SessionFile</name>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside: %2</source>
        <translation>%1 ist beschädigt und konnte nicht beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <source>there is no folder to keep the session in</source>
        <translation>es gibt keinen Ordner, in dem die Sitzung gespeichert werden kann</translation>
    </message>
    <message>
        <source>%1 is open in another Velmora (process %2 on %3); if that one is gone, delete %4</source>
        <translation>%1 ist in einem anderen Velmora geöffnet (Prozess %2 auf %3); falls dieses nicht mehr läuft, löschen Sie %4</translation>
    </message>
    <message>
        <source>%1 could not be locked: its folder cannot be written</source>
        <translation>%1 konnte nicht gesperrt werden: In seinen Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it is larger than 256 MB</source>
        <translation>sie ist größer als 256 MB</translation>
    </message>
    <message>
        <source>it does not continue %1</source>
        <translation>sie setzt %1 nicht fort</translation>
    </message>
    <message>
        <source>it was not read, so it is not written over</source>
        <translation>sie wurde nicht gelesen und wird daher nicht überschrieben</translation>
    </message>
    <message>
        <source>the row cannot be kept: %1</source>
        <translation>die Zeile kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>row %1 cannot be kept: %2</source>
        <translation>Zeile %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>not an object of entry, fields, module, results, test, time</source>
        <translation>kein Objekt aus entry, fields, module, results, test, time</translation>
    </message>
    <message>
        <source>unexpected character</source>
        <translation>unerwartetes Zeichen</translation>
    </message>
    <message>
        <source>the text ends early</source>
        <translation>der Text endet zu früh</translation>
    </message>
    <message>
        <source>a control character in a string</source>
        <translation>ein Steuerzeichen in einer Zeichenkette</translation>
    </message>
    <message>
        <source>a bad \u escape</source>
        <translation>eine fehlerhafte \u-Escape-Sequenz</translation>
    </message>
    <message>
        <source>a bad escape</source>
        <translation>eine fehlerhafte Escape-Sequenz</translation>
    </message>
    <message>
        <source>the text ends inside a string</source>
        <translation>der Text endet innerhalb einer Zeichenkette</translation>
    </message>
    <message>
        <source>not a value</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>a bad number</source>
        <translation>eine fehlerhafte Zahl</translation>
    </message>
    <message>
        <source>nested too deeply</source>
        <translation>zu tief verschachtelt</translation>
    </message>
    <message>
        <source>not a row number</source>
        <translation>keine Zeilennummer</translation>
    </message>
    <message>
        <source>not JSON: the text is not UTF-8</source>
        <translation>kein JSON: Der Text ist kein UTF-8</translation>
    </message>
    <message>
        <source>more after the end</source>
        <translation>weiterer Text nach dem Ende</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>kein JSON: %1 bei Byte %2</translation>
    </message>
    <message>
        <source>&quot;fields&quot; is not a list</source>
        <translation>„fields“ ist keine Liste</translation>
    </message>
    <message>
        <source>a field that is not a pair of texts</source>
        <translation>ein Feld, das kein Paar von Texten ist</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text</source>
        <translation>„%1“ ist kein Text</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; is not one this program writes</source>
        <translation>die Zeit „%1“ ist keine, die dieses Programm schreibt</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; cannot be stored</source>
        <translation>die Zeit „%1“ kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>unknown module &quot;%1&quot;</source>
        <translation>unbekanntes Modul „%1“</translation>
    </message>
    <message>
        <source>a text that is not Unicode</source>
        <translation>ein Text, der kein Unicode ist</translation>
    </message>
    <message>
        <source>the field name &quot;%1&quot; is not a lowercase identifier</source>
        <translation>der Feldname „%1“ ist kein Bezeichner in Kleinbuchstaben</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not Unicode</source>
        <translation>das Feld „%1“ ist kein Unicode</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; comes twice</source>
        <translation>das Feld „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>not UTF-8</source>
        <translation>kein UTF-8</translation>
    </message>
    <message>
        <source>not a line of a session&apos;s journal</source>
        <translation>keine Zeile des Journals einer Sitzung</translation>
    </message>
    <message>
        <source>not JSON: </source>
        <translation>kein JSON: </translation>
    </message>
    <message>
        <source>change %1 names a row or patient there is not</source>
        <translation>Änderung %1 nennt eine Zeile oder einen Patienten, die es nicht gibt</translation>
    </message>
    <message>
        <source>no such patient</source>
        <translation>kein solcher Patient</translation>
    </message>
    <message>
        <source>not an object of entry, fields, module, patient, results, test, time</source>
        <translation>kein Objekt aus entry, fields, module, patient, results, test, time</translation>
    </message>
    <message>
        <source>&quot;patient&quot; is not a patient&apos;s number</source>
        <translation>„patient“ ist keine Patientennummer</translation>
    </message>
    <message>
        <source>no patient</source>
        <translation>kein Patient</translation>
    </message>
    <message>
        <source>not an object of &quot;format&quot;, &quot;patients&quot; (from format 2) and &quot;rows&quot;</source>
        <translation>kein Objekt aus „format“, „patients“ (ab Format 2) und „rows“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>„%1“ ist keine Liste</translation>
    </message>
    <message>
        <source>a patient that is not a text</source>
        <translation>ein Patient, der kein Text ist</translation>
    </message>
    <message>
        <source>format is not 1 or %1</source>
        <translation>Format ist nicht 1 oder %1</translation>
    </message>
    <message>
        <source>row %1: patient %2 is not one of the session&apos;s</source>
        <translation>Zeile %1: Patient %2 gehört nicht zur Sitzung</translation>
    </message>
    <message>
        <source>a patient&apos;s identifier longer than %1 characters</source>
        <translation>eine Patientenkennung mit mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>a patient&apos;s identifier that is not Unicode</source>
        <translation>eine Patientenkennung, die kein Unicode ist</translation>
    </message>
</context>
<context>
    <name>modVelmora::SessionLog</name>
    <message>
        <source>The session cannot be kept on disk in this run: %1. Results are still collected until the program ends.</source>
        <translation>Die Sitzung kann in diesem Lauf nicht auf dem Datenträger gehalten werden: %1. Die Ergebnisse werden trotzdem gesammelt, bis das Programm endet.</translation>
    </message>
    <message>
        <source>The saved session was damaged (%1). It has been set aside as %2, and a new session starts.</source>
        <translation>Die gespeicherte Sitzung war beschädigt (%1). Sie wurde als %2 beiseitegelegt, und eine neue Sitzung beginnt.</translation>
    </message>
    <message>
        <source>The saved session is larger than 256 MB, more than any session holds. It has been set aside unread as %1, and a new session starts.</source>
        <translation>Die gespeicherte Sitzung ist größer als 256 MB, mehr als jede Sitzung umfasst. Sie wurde ungelesen als %1 beiseitegelegt, und eine neue Sitzung beginnt.</translation>
    </message>
    <message>
        <source>The changes to the saved session since it was last written whole were damaged (%1). They have been set aside as %2; the session as it was before them is kept.</source>
        <translation>Die Änderungen an der gespeicherten Sitzung seit ihrer letzten vollständigen Speicherung waren beschädigt (%1). Sie wurden als %2 beiseitegelegt; die Sitzung bleibt so erhalten, wie sie davor war.</translation>
    </message>
    <message>
        <source>The session could not be saved to %1: %2. Its results are kept, and written at the next change.</source>
        <translation>Die Sitzung konnte nicht in %1 gespeichert werden: %2. Ihre Ergebnisse bleiben erhalten und werden bei der nächsten Änderung gespeichert.</translation>
    </message>
</context>
<context>
    <name>modVelmora::Settings</name>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>modVelmora::UpDown</name>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmAbout</name>
    <message>
        <source>About The Velmora...</source>
        <translation>Über The Velmora...</translation>
    </message>
    <message>
        <source>Velmora emblem</source>
        <translation>Velmora-Emblem</translation>
    </message>
    <message>
        <source>The Velmora</source>
        <translation>The Velmora</translation>
    </message>
    <message>
        <source>The terms of use and the manual are in English.</source>
        <translation>Die Nutzungsbedingungen und das Handbuch sind auf Englisch.</translation>
    </message>
    <message>
        <source>Written by the Velmora developers. All rights reserved.</source>
        <translation>Von den Velmora-Entwicklern. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Visit my web site!</source>
        <translation>Besuchen Sie meine Website!</translation>
    </message>
    <message>
        <source>&amp;License . . .</source>
        <translation>&amp;Lizenz . . .</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmAgeCalculator</name>
    <message>
        <source>Age Calculator</source>
        <translation>Altersrechner</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Enter date in any unambiguous format (e.g., September 17, 1998; 09/17/98; 17 sep 98; etc)</source>
        <translation>Datum in einem beliebigen eindeutigen Format eingeben (z. B. 17. September 1998; 17.09.98; 17. Sept. 98; usw.)</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Testdatum</translation>
    </message>
    <message>
        <source>Enter date in any unambiguous format (e.g., September 17, 1998; 09/17/98; 17 sep 98; etc). Double-click to enter today&apos;s date.</source>
        <translation>Datum in einem beliebigen eindeutigen Format eingeben (z. B. 17. September 1998; 17.09.98; 17. Sept. 98; usw.). Doppelklick setzt das heutige Datum ein.</translation>
    </message>
    <message>
        <source>Show Calendar</source>
        <translation>Kalender anzeigen</translation>
    </message>
    <message>
        <source>Show calendar for the birth date</source>
        <translation>Kalender für das Geburtsdatum anzeigen</translation>
    </message>
    <message>
        <source>Show calendar for the test date</source>
        <translation>Kalender für das Testdatum anzeigen</translation>
    </message>
    <message>
        <source>Age (Years-Months-Days)</source>
        <translation>Alter (Jahre-Monate-Tage)</translation>
    </message>
    <message>
        <source>Gestation at birth</source>
        <translation>Gestationsalter bei Geburt</translation>
    </message>
    <message>
        <source>Weeks, or weeks+days (30+2), for a child born before 37 weeks; empty for no correction</source>
        <translation>Wochen oder Wochen+Tage (30+2) bei einem vor der 37. Woche geborenen Kind; leer lassen, um nicht zu korrigieren</translation>
    </message>
    <message>
        <source>Gestation at birth, in weeks or weeks+days</source>
        <translation>Gestationsalter bei Geburt, in Wochen oder Wochen+Tagen</translation>
    </message>
    <message>
        <source>Corrected age</source>
        <translation>Korrigiertes Alter</translation>
    </message>
    <message>
        <source>Test manuals usually correct for prematurity until the age of 24 months (some until 36).</source>
        <translation>Testmanuale korrigieren die Frühgeburtlichkeit meist bis zum Alter von 24 Monaten (manche bis 36).</translation>
    </message>
    <message>
        <source>Due date: %1.</source>
        <translation>Errechneter Geburtstermin: %1.</translation>
    </message>
    <message>
        <source>born %1</source>
        <translation>geboren %1</translation>
    </message>
    <message>
        <source>tested %1</source>
        <translation>getestet %1</translation>
    </message>
    <message>
        <source>gestation %1</source>
        <translation>Gestation %1</translation>
    </message>
    <message>
        <source>age %1</source>
        <translation>Alter %1</translation>
    </message>
    <message>
        <source>corrected age %1</source>
        <translation>korrigiertes Alter %1</translation>
    </message>
    <message>
        <source>Age in months and days</source>
        <translation>Alter in Monaten und Tagen</translation>
    </message>
    <message>
        <source>Corrected age in months and days</source>
        <translation>Korrigiertes Alter in Monaten und Tagen</translation>
    </message>
    <message>
        <source>%1 month %2 day</source>
        <translation>%1 Monat %2 Tag</translation>
    </message>
    <message>
        <source>%1 month %2 days</source>
        <translation>%1 Monat %2 Tage</translation>
    </message>
    <message>
        <source>%1 months %2 day</source>
        <translation>%1 Monate %2 Tag</translation>
    </message>
    <message>
        <source>%1 months %2 days</source>
        <translation>%1 Monate %2 Tage</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Clear memory</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Recall value from memory</source>
        <translation>Wert aus dem Speicher abrufen</translation>
    </message>
    <message>
        <source>Store value in memory</source>
        <translation>Wert im Speicher ablegen</translation>
    </message>
    <message>
        <source>Add value to memory</source>
        <translation>Wert zum Speicher addieren</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Memory Value: %1</source>
        <translation>Speicherwert: %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmCalendar</name>
    <message>
        <source>Press ESC to cancel or &apos;T&apos; to return to today&apos;s date</source>
        <translation>Esc: Abbrechen, t: heute</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmLicense</name>
    <message>
        <source>The Velmora License Agreement</source>
        <translation>Lizenzvereinbarung für The Velmora</translation>
    </message>
    <message>
        <source>I do NOT agree to these terms and conditions</source>
        <translation>Ich stimme diesen Bedingungen NICHT zu</translation>
    </message>
    <message>
        <source>I AGREE to these terms and conditions</source>
        <translation>Ich STIMME diesen Bedingungen ZU</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmNormSets</name>
    <message>
        <source>Manage Norm Sets</source>
        <translation>Normsätze verwalten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Norm sets</source>
        <translation>Normsätze</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Rename Norm Set</source>
        <translation>Normsatz umbenennen</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot;:</source>
        <translation>Neuer Name für „%1“:</translation>
    </message>
    <message>
        <source>Delete the norm set &quot;%1&quot;?</source>
        <translation>Den Normsatz „%1“ löschen?</translation>
    </message>
    <message>
        <source>Import Norm Sets</source>
        <translation>Normsätze importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Norm sets imported: %1 added, %2 replaced.</source>
        <translation>Normsätze importiert: %1 hinzugefügt, %2 ersetzt.</translation>
    </message>
    <message>
        <source>Export Norm Sets</source>
        <translation>Normsätze exportieren</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>SD</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umpolen</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Ages</source>
        <translation>Altersbereich</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmRawScoreConverter</name>
    <message>
        <source>Raw Scores Module</source>
        <translation>Rohwert-Modul</translation>
    </message>
    <message>
        <source>Raw Score</source>
        <translation>Rohwert</translation>
    </message>
    <message>
        <source>Sample Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Sample SD</source>
        <translation>Standardabw.</translation>
    </message>
    <message>
        <source>Z-Score</source>
        <translation>z-Wert</translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Prozentrang</translation>
    </message>
    <message>
        <source>T-score</source>
        <translation>t (Student)</translation>
    </message>
    <message>
        <source>Adjusted %ile</source>
        <translation>PR (t-Test)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umpolen</translation>
    </message>
    <message>
        <source>Check this box when scores below the mean indicate better performance (e.g., errors; reaction times)</source>
        <translation>Aktivieren, wenn Werte unter dem Mittelwert eine bessere Leistung anzeigen (z. B. Fehler; Reaktionszeiten)</translation>
    </message>
    <message>
        <source>Use t-test</source>
        <translation>t-Test</translation>
    </message>
    <message>
        <source>Check this box to achieve greater accuracy when norms are based on a small normative sample (see Instructions)</source>
        <translation>Aktivieren, um eine höhere Genauigkeit zu erreichen, wenn die Normen auf einer kleinen Normstichprobe beruhen (siehe Anleitung)</translation>
    </message>
    <message>
        <source>Sample N</source>
        <translation>N (Norm)</translation>
    </message>
    <message>
        <source>Enter the size of the normative sample</source>
        <translation>Umfang der Normstichprobe eingeben</translation>
    </message>
    <message>
        <source>95% CI %1 to %2</source>
        <translation>95%-KI %1 bis %2</translation>
    </message>
    <message>
        <source>95% interval estimate of the percentage of the population below this score (Crawford and Garthwaite, 2002). z-CC %1, 95% CI %2 to %3.</source>
        <translation>95%-Intervallschätzung des Prozentsatzes der Population, der unter diesem Wert liegt (Crawford und Garthwaite, 2002). z-CC %1, 95%-KI %2 bis %3.</translation>
    </message>
    <message>
        <source>Copy percentile to clipboard</source>
        <translation>Prozentrang in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy adjusted percentile to clipboard</source>
        <translation>Prozentrang (t-Test) in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentile</source>
        <translation>Anzahl der Nachkommastellen für den Prozentrang festlegen</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentile and adjusted percentile</source>
        <translation>Anzahl der Nachkommastellen für den Prozentrang und den PR (t-Test) festlegen</translation>
    </message>
    <message>
        <source>95% interval estimate of the percentage of the population above this score (Crawford and Garthwaite, 2002). z-CC %1, 95% CI %2 to %3.</source>
        <translation>95%-Intervallschätzung des Prozentsatzes der Population, der über diesem Wert liegt (Crawford und Garthwaite, 2002). z-CC %1, 95%-KI %2 bis %3.</translation>
    </message>
    <message>
        <source>&amp;Norms</source>
        <translation>&amp;Normen</translation>
    </message>
    <message>
        <source>Norms</source>
        <translation>Normen</translation>
    </message>
    <message>
        <source>A saved norm set fills the mean, the SD, the sample size and Reverse</source>
        <translation>Ein gespeicherter Normsatz füllt Mittelwert, SD, Stichprobengröße und Umgepolt</translation>
    </message>
    <message>
        <source>Sa&amp;ve Norms…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>Keep the mean, the SD, the sample size and Reverse under a name</source>
        <translation>Mittelwert, SD, Stichprobengröße und Umgepolt unter einem Namen speichern</translation>
    </message>
    <message>
        <source>Mana&amp;ge…</source>
        <translation>&amp;Verwalten…</translation>
    </message>
    <message>
        <source>Rename, delete, import and export the saved norm sets</source>
        <translation>Gespeicherte Normsätze umbenennen, löschen, importieren und exportieren</translation>
    </message>
    <message>
        <source>(typed)</source>
        <translation>(eingegeben)</translation>
    </message>
    <message>
        <source>Save Norms</source>
        <translation>Normen speichern</translation>
    </message>
    <message>
        <source>Name of the norm set (for example the test and subtest):</source>
        <translation>Name des Normsatzes (zum Beispiel Test und Untertest):</translation>
    </message>
    <message>
        <source>A norm set named &quot;%1&quot; is saved already. Replace it?</source>
        <translation>Ein Normsatz namens „%1“ ist bereits gespeichert. Ersetzen?</translation>
    </message>
    <message>
        <source>raw %1</source>
        <translation>Rohwert %1</translation>
    </message>
    <message>
        <source>mean %1</source>
        <translation>Mittelwert %1</translation>
    </message>
    <message>
        <source>SD %1</source>
        <translation>SD %1</translation>
    </message>
    <message>
        <source>z %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>percentile %1</source>
        <translation>Prozentrang %1</translation>
    </message>
    <message>
        <source>n %1</source>
        <translation>n %1</translation>
    </message>
    <message>
        <source>t %1</source>
        <translation>t %1</translation>
    </message>
    <message>
        <source>adjusted percentile %1</source>
        <translation>PR (t-Test) %1</translation>
    </message>
    <message>
        <source>z-CC %1 (95% CI %2 to %3)</source>
        <translation>z-CC %1 (95%-KI %2 bis %3)</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>umgepolt</translation>
    </message>
    <message>
        <source>Save norm set</source>
        <translation>Normsatz speichern</translation>
    </message>
    <message>
        <source>Manage norm sets</source>
        <translation>Normsätze verwalten</translation>
    </message>
    <message>
        <source>norm set %1</source>
        <translation>Normsatz %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmReliableChange</name>
    <message>
        <source>Reliable Change</source>
        <translation>Reliable Veränderung</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Norms of the retest study</source>
        <translation>Kennwerte der Test-Retest-Studie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Test score</source>
        <translation>Testwert</translation>
    </message>
    <message>
        <source>The patient&apos;s score at the first testing</source>
        <translation>Der Wert des Patienten bei der ersten Testung</translation>
    </message>
    <message>
        <source>Retest score</source>
        <translation>Retestwert</translation>
    </message>
    <message>
        <source>The patient&apos;s score at the retest</source>
        <translation>Der Wert des Patienten beim Retest</translation>
    </message>
    <message>
        <source>Mean at test</source>
        <translation>Mittelwert Test</translation>
    </message>
    <message>
        <source>The study&apos;s mean at the first testing; both means or neither (optional)</source>
        <translation>Mittelwert der Studie bei der ersten Testung; beide Mittelwerte oder keinen (optional)</translation>
    </message>
    <message>
        <source>Mean at retest</source>
        <translation>Mittelwert Retest</translation>
    </message>
    <message>
        <source>The study&apos;s mean at the retest; both means or neither (optional)</source>
        <translation>Mittelwert der Studie beim Retest; beide Mittelwerte oder keinen (optional)</translation>
    </message>
    <message>
        <source>SD at test</source>
        <translation>SD Test</translation>
    </message>
    <message>
        <source>The study&apos;s standard deviation at the first testing</source>
        <translation>Standardabweichung der Studie bei der ersten Testung</translation>
    </message>
    <message>
        <source>SD at retest</source>
        <translation>SD Retest</translation>
    </message>
    <message>
        <source>The study&apos;s standard deviation at the retest (optional)</source>
        <translation>Standardabweichung der Studie beim Retest (optional)</translation>
    </message>
    <message>
        <source>Test–retest r</source>
        <translation>Retest-r</translation>
    </message>
    <message>
        <source>The correlation between test and retest, greater than 0 and less than 1</source>
        <translation>Die Korrelation zwischen Test und Retest, größer als 0 und kleiner als 1</translation>
    </message>
    <message>
        <source>Sample size n</source>
        <translation>Stichprobe n</translation>
    </message>
    <message>
        <source>The number of people in the study, from 3 to 9999 (optional)</source>
        <translation>Die Anzahl der Personen in der Studie, 3 bis 9999 (optional)</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Konfidenz</translation>
    </message>
    <message>
        <source>90%</source>
        <translation>90&#xa0;%</translation>
    </message>
    <message>
        <source>95%</source>
        <translation>95&#xa0;%</translation>
    </message>
    <message>
        <source>90% confidence, two-tailed</source>
        <translation>90&#xa0;% Konfidenz, zweiseitig</translation>
    </message>
    <message>
        <source>95% confidence, two-tailed</source>
        <translation>95&#xa0;% Konfidenz, zweiseitig</translation>
    </message>
    <message>
        <source>Reverse (low scores are good)</source>
        <translation>Umgepolt (niedrige Werte = besser)</translation>
    </message>
    <message>
        <source>Check this box when lower scores mean better performance (e.g., errors; reaction times): a lower retest score is then an improvement</source>
        <translation>Aktivieren, wenn niedrigere Werte eine bessere Leistung bedeuten (z. B. Fehler, Reaktionszeiten): Ein niedrigerer Retestwert ist dann eine Verbesserung</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Expected retest</source>
        <translation>Erwarteter Retest</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Prüfgröße</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>No reliable change</source>
        <translation>Ohne reliable Veränderung</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>The retest score expected from the test score</source>
        <translation>Der aus dem Testwert erwartete Retestwert</translation>
    </message>
    <message>
        <source>Standard error of the difference</source>
        <translation>Standardfehler der Differenz</translation>
    </message>
    <message>
        <source>z, or t with its degrees of freedom</source>
        <translation>z, oder t mit seinen Freiheitsgraden</translation>
    </message>
    <message>
        <source>Two-tailed probability</source>
        <translation>Zweiseitige Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Retest scores in this range are no reliable change at the chosen confidence</source>
        <translation>Retestwerte in diesem Bereich sind bei der gewählten Konfidenz keine reliable Veränderung</translation>
    </message>
    <message>
        <source>t %1 (%2 df)</source>
        <translation>t %1 (%2 FG)</translation>
    </message>
    <message>
        <source>z %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>%1&#xa0;% Konfidenz</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>umgepolt</translation>
    </message>
    <message>
        <source>%1: %2 (%3, p %4)</source>
        <translation>%1: %2 (%3, p %4)</translation>
    </message>
    <message>
        <source>%1: expected retest score %2, SE %3; %4, p %5; range of no reliable change: %6; %7</source>
        <translation>%1: erwarteter Retestwert %2, SE %3; %4, p %5; Bereich ohne reliable Veränderung: %6; %7</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmScoreConverter</name>
    <message>
        <source>Score Converter</source>
        <translation>Normwertumrechnung</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Copy percentile to clipboard</source>
        <translation>Prozentrang in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentile (see Instructions)</source>
        <translation>Anzahl der Nachkommastellen für den Prozentrang festlegen (siehe Anleitung)</translation>
    </message>
    <message>
        <source>converts to</source>
        <translation>wird umgerechnet in</translation>
    </message>
    <message>
        <source>Copy %1 to clipboard</source>
        <translation>%1 in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Set number of places in %1</source>
        <translation>Anzahl der Nachkommastellen festlegen: %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmScoreDifference</name>
    <message>
        <source>Score Difference</source>
        <translation>Testwertdifferenz</translation>
    </message>
    <message>
        <source>Compare the two scores</source>
        <translation>Die beiden Werte vergleichen</translation>
    </message>
    <message>
        <source>Against the test&apos;s norms</source>
        <translation>Mit den Normen des Tests</translation>
    </message>
    <message>
        <source>Two scores of one battery: is their difference larger than the tests&apos; unreliability explains, and how often does the norm sample show one as large?</source>
        <translation>Zwei Werte einer Testbatterie: Ist ihre Differenz größer, als die Messungenauigkeit der Tests erklärt, und wie oft zeigt die Normstichprobe eine so große?</translation>
    </message>
    <message>
        <source>Against a control sample</source>
        <translation>Mit einer Kontrollstichprobe</translation>
    </message>
    <message>
        <source>A single case against a small control sample: Crawford and Garthwaite&apos;s revised standardized difference test, the usual test of a dissociation</source>
        <translation>Ein Einzelfall gegenüber einer kleinen Kontrollstichprobe: der revidierte standardisierte Differenztest von Crawford und Garthwaite, der übliche Test einer Dissoziation</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Score X</source>
        <translation>Wert X</translation>
    </message>
    <message>
        <source>The patient&apos;s first score, on the scale chosen</source>
        <translation>Der erste Wert des Patienten, auf der gewählten Skala</translation>
    </message>
    <message>
        <source>Score Y</source>
        <translation>Wert Y</translation>
    </message>
    <message>
        <source>The patient&apos;s second score, on the same scale</source>
        <translation>Der zweite Wert des Patienten, auf derselben Skala</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Norms</source>
        <translation>Normen</translation>
    </message>
    <message>
        <source>Reliability of X</source>
        <translation>Reliabilität X</translation>
    </message>
    <message>
        <source>The reliability of the test of score X, greater than 0 and less than 1</source>
        <translation>Die Reliabilität des Tests von Wert X, größer als 0 und kleiner als 1</translation>
    </message>
    <message>
        <source>Reliability of Y</source>
        <translation>Reliabilität Y</translation>
    </message>
    <message>
        <source>The reliability of the test of score Y, greater than 0 and less than 1</source>
        <translation>Die Reliabilität des Tests von Wert Y, größer als 0 und kleiner als 1</translation>
    </message>
    <message>
        <source>Correlation r</source>
        <translation>Korrelation r</translation>
    </message>
    <message>
        <source>The correlation of the two scores in the norm sample, greater than -1 and less than 1</source>
        <translation>Die Korrelation der beiden Werte in der Normstichprobe, größer als -1 und kleiner als 1</translation>
    </message>
    <message>
        <source>The patient&apos;s score on task X</source>
        <translation>Der Wert des Patienten in Aufgabe X</translation>
    </message>
    <message>
        <source>The patient&apos;s score on task Y</source>
        <translation>Der Wert des Patienten in Aufgabe Y</translation>
    </message>
    <message>
        <source>Control sample</source>
        <translation>Kontrollstichprobe</translation>
    </message>
    <message>
        <source>Mean of X</source>
        <translation>Mittelwert X</translation>
    </message>
    <message>
        <source>The controls&apos; mean on task X</source>
        <translation>Der Mittelwert der Kontrollen in Aufgabe X</translation>
    </message>
    <message>
        <source>SD of X</source>
        <translation>SD X</translation>
    </message>
    <message>
        <source>The controls&apos; standard deviation on task X, greater than 0</source>
        <translation>Die Standardabweichung der Kontrollen in Aufgabe X, größer als 0</translation>
    </message>
    <message>
        <source>Mean of Y</source>
        <translation>Mittelwert Y</translation>
    </message>
    <message>
        <source>The controls&apos; mean on task Y</source>
        <translation>Der Mittelwert der Kontrollen in Aufgabe Y</translation>
    </message>
    <message>
        <source>SD of Y</source>
        <translation>SD Y</translation>
    </message>
    <message>
        <source>The controls&apos; standard deviation on task Y, greater than 0</source>
        <translation>Die Standardabweichung der Kontrollen in Aufgabe Y, größer als 0</translation>
    </message>
    <message>
        <source>The correlation of X and Y in the controls, greater than -1 and less than 1</source>
        <translation>Die Korrelation von X und Y bei den Kontrollen, größer als -1 und kleiner als 1</translation>
    </message>
    <message>
        <source>Controls n</source>
        <translation>Kontrollen n</translation>
    </message>
    <message>
        <source>The number of controls, from 3 to 9999</source>
        <translation>Die Anzahl der Kontrollpersonen, 3 bis 9999</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Konfidenz</translation>
    </message>
    <message>
        <source>90%</source>
        <translation>90&#xa0;%</translation>
    </message>
    <message>
        <source>95%</source>
        <translation>95&#xa0;%</translation>
    </message>
    <message>
        <source>90% confidence, two-tailed</source>
        <translation>90&#xa0;% Konfidenz, zweiseitig</translation>
    </message>
    <message>
        <source>95% confidence, two-tailed</source>
        <translation>95&#xa0;% Konfidenz, zweiseitig</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Difference X − Y</source>
        <translation>Differenz X − Y</translation>
    </message>
    <message>
        <source>Critical difference (%1%)</source>
        <translation>Kritische Differenz (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Base rate, same direction</source>
        <translation>Basisrate, gleiche Richtung</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Base rate, either direction</source>
        <translation>Basisrate, beide Richtungen</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>The difference of the two scores</source>
        <translation>Die Differenz der beiden Werte</translation>
    </message>
    <message>
        <source>The smallest difference larger than the tests&apos; unreliability explains at %1% confidence</source>
        <translation>Die kleinste Differenz, die bei %1&#xa0;% Konfidenz über die Messungenauigkeit der Tests hinausgeht</translation>
    </message>
    <message>
        <source>The percentage of the norm sample with a difference at least this large in the same direction</source>
        <translation>Der Prozentsatz der Normstichprobe mit einer mindestens so großen Differenz in derselben Richtung</translation>
    </message>
    <message>
        <source>The percentage of the norm sample with a difference at least this large in either direction</source>
        <translation>Der Prozentsatz der Normstichprobe mit einer mindestens so großen Differenz in einer der beiden Richtungen</translation>
    </message>
    <message>
        <source>z of X</source>
        <translation>z von X</translation>
    </message>
    <message>
        <source>z of Y</source>
        <translation>z von Y</translation>
    </message>
    <message>
        <source>Z-DCC</source>
        <translation>Z-DCC</translation>
    </message>
    <message>
        <source>Revised standardized difference test</source>
        <translation>Revidierter standardisierter Differenztest</translation>
    </message>
    <message>
        <source>t %1 (%2 df)</source>
        <translation>t %1 (%2 FG)</translation>
    </message>
    <message>
        <source>p, two-tailed</source>
        <translation>p, zweiseitig</translation>
    </message>
    <message>
        <source>Controls more extreme</source>
        <translation>Kontrollen mit extremerer Differenz</translation>
    </message>
    <message>
        <source>The patient&apos;s score X against the controls&apos; mean and SD</source>
        <translation>Der Wert X des Patienten gegenüber Mittelwert und SD der Kontrollen</translation>
    </message>
    <message>
        <source>The patient&apos;s score Y against the controls&apos; mean and SD</source>
        <translation>Der Wert Y des Patienten gegenüber Mittelwert und SD der Kontrollen</translation>
    </message>
    <message>
        <source>The effect size: the difference of the two z-scores, standardized</source>
        <translation>Die Effektstärke: die standardisierte Differenz der beiden z-Werte</translation>
    </message>
    <message>
        <source>Crawford and Garthwaite (2005): t on n - 1 degrees of freedom</source>
        <translation>Crawford und Garthwaite (2005): t mit n - 1 Freiheitsgraden</translation>
    </message>
    <message>
        <source>Two-tailed probability</source>
        <translation>Zweiseitige Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>The percentage of controls expected to show a more extreme difference in the same direction</source>
        <translation>Der Prozentsatz der Kontrollpersonen, bei dem eine extremere Differenz in derselben Richtung zu erwarten ist</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>%1&#xa0;% Konfidenz</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmScoreInterval</name>
    <message>
        <source>Score Interval</source>
        <translation>Konfidenzintervall</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Reliability</source>
        <translation>Reliabilität</translation>
    </message>
    <message>
        <source>The test&apos;s reliability coefficient, greater than 0 and less than 1</source>
        <translation>Der Reliabilitätskoeffizient des Tests, größer als 0 und kleiner als 1</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Konfidenz</translation>
    </message>
    <message>
        <source>90%</source>
        <translation>90&#xa0;%</translation>
    </message>
    <message>
        <source>95%</source>
        <translation>95&#xa0;%</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Zentrum</translation>
    </message>
    <message>
        <source>The interval around the score as obtained, from the standard error of measurement</source>
        <translation>Das Intervall um den erzielten Wert, aus dem Standardmessfehler</translation>
    </message>
    <message>
        <source>The interval around the estimated true score, which lies nearer the mean, from the standard error of estimation</source>
        <translation>Das Intervall um den geschätzten wahren Wert, der näher am Mittelwert liegt, aus dem Standardschätzfehler</translation>
    </message>
    <message>
        <source>Stanine</source>
        <translation>Stanine</translation>
    </message>
    <message>
        <source>Sten</source>
        <translation>Sten</translation>
    </message>
    <message>
        <source>NCE</source>
        <translation>NCE</translation>
    </message>
    <message>
        <source>Normal curve equivalent: 1 to 99, equal steps, mean 50</source>
        <translation>Normalkurvenäquivalent (NCE): 1 bis 99, gleiche Abstände, Mittelwert 50</translation>
    </message>
    <message>
        <source>Standard nine: 1 to 9, mean 5, SD 2</source>
        <translation>Stanine-Skala: 1 bis 9, Mittelwert 5, SD 2</translation>
    </message>
    <message>
        <source>Standard ten: 1 to 10, SD 2</source>
        <translation>Sten-Skala: 1 bis 10, SD 2</translation>
    </message>
    <message>
        <source>Confidence interval</source>
        <translation>Konfidenzintervall</translation>
    </message>
    <message>
        <source>Confidence interval in percentiles</source>
        <translation>Konfidenzintervall in Prozenträngen</translation>
    </message>
    <message>
        <source>Copy interval to clipboard</source>
        <translation>Intervall in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentiles and z-scores (see Instructions)</source>
        <translation>Anzahl der Nachkommastellen für Prozentränge und z-Werte festlegen (siehe Anleitung)</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the bell curve to the clipboard</source>
        <translation>Glockenkurve in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>Bild &amp;speichern…</translation>
    </message>
    <message>
        <source>Save the bell curve as a PNG or SVG file</source>
        <translation>Glockenkurve als PNG- oder SVG-Datei speichern</translation>
    </message>
    <message>
        <source>%1% CI %2 to %3</source>
        <translation>%1%-KI %2 bis %3</translation>
    </message>
    <message>
        <source>Percentiles %1 to %2</source>
        <translation>Prozentränge %1 bis %2</translation>
    </message>
    <message>
        <source>Estimated true score %1</source>
        <translation>Geschätzter wahrer Wert %1</translation>
    </message>
    <message>
        <source>Bell curve: %1 %2, %3.</source>
        <translation>Glockenkurve: %1&#xa0;%2, %3.</translation>
    </message>
    <message>
        <source>Bell curve: %1 %2, %3, %4.</source>
        <translation>Glockenkurve: %1&#xa0;%2, %3, %4.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>bell curve.png</source>
        <translation>Glockenkurve.png</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>reliability %1</source>
        <translation>Reliabilität %1</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>%1&#xa0;% Konfidenz</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2.</source>
        <translation>Das Bild konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmScoreProfile</name>
    <message>
        <source>Score Profile</source>
        <translation>Testprofil</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Konfidenz</translation>
    </message>
    <message>
        <source>90%</source>
        <translation>90&#xa0;%</translation>
    </message>
    <message>
        <source>95%</source>
        <translation>95&#xa0;%</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Zentrum</translation>
    </message>
    <message>
        <source>The interval around the score as obtained, from the standard error of measurement</source>
        <translation>Das Intervall um den erzielten Wert, aus dem Standardmessfehler</translation>
    </message>
    <message>
        <source>The interval around the estimated true score, which lies nearer the mean, from the standard error of estimation</source>
        <translation>Das Intervall um den geschätzten wahren Wert, der näher am Mittelwert liegt, aus dem Standardschätzfehler</translation>
    </message>
    <message>
        <source>Type the scores or paste rows from a spreadsheet:
Test, Score, Scale and, for the interval, Reliability.</source>
        <translation>Werte eingeben oder Zeilen aus einer Tabellenkalkulation einfügen:
Test, Wert, Skala und, für das Intervall, Reliabilität.</translation>
    </message>
    <message>
        <source>Scores of the profile</source>
        <translation>Werte des Profils</translation>
    </message>
    <message>
        <source>Delete removes the selected rows; Ctrl+Z takes back the last change</source>
        <translation>Entf entfernt die markierten Zeilen; Strg+Z nimmt die letzte Änderung zurück</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentiles (see Instructions)</source>
        <translation>Anzahl der Nachkommastellen der Prozentränge festlegen (siehe Anleitung)</translation>
    </message>
    <message>
        <source>A&amp;dd to Session</source>
        <translation>Zur Sitzung hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Add each computed row to the session, with its test&apos;s name</source>
        <translation>Jede berechnete Zeile mit dem Namen ihres Tests zur Sitzung hinzufügen</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the profile to the clipboard</source>
        <translation>Das Profil in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>Bild &amp;speichern…</translation>
    </message>
    <message>
        <source>Save the profile as a PNG or SVG file</source>
        <translation>Das Profil als PNG- oder SVG-Datei speichern</translation>
    </message>
    <message>
        <source>No row is computed yet.</source>
        <translation>Noch ist keine Zeile berechnet.</translation>
    </message>
    <message>
        <source>Score profile (one line a test): %1.</source>
        <translation>Testprofil (eine Linie je Test): %1.</translation>
    </message>
    <message>
        <source>The table holds %1 rows: %2 pasted rows found no room and were left out.</source>
        <translation>Die Tabelle fasst %1 Zeilen: %2 eingefügte Zeilen fanden keinen Platz und wurden weggelassen.</translation>
    </message>
    <message>
        <source>reliability %1</source>
        <translation>Reliabilität %1</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>%1&#xa0;% Konfidenz</translation>
    </message>
    <message>
        <source>Rows added to the session: %1.</source>
        <translation>Zur Sitzung hinzugefügte Zeilen: %1.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>score profile.png</source>
        <translation>Testprofil.png</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2.</source>
        <translation>Das Bild konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmSession</name>
    <message>
        <source>Session - Velmora</source>
        <translation>Sitzung - Velmora</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Session results</source>
        <translation>Ergebnisse der Sitzung</translation>
    </message>
    <message>
        <source>Type a test&apos;s name in its row&apos;s Test cell (F2). Delete removes the rows selected.</source>
        <translation>Den Namen eines Tests in die Zelle Test seiner Zeile eingeben (F2). Entf löscht die ausgewählten Zeilen.</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>Tabelle &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Print the table</source>
        <translation>Die Tabelle drucken</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>&amp;PDF…</translation>
    </message>
    <message>
        <source>Save the table as a PDF document</source>
        <translation>Die Tabelle als PDF-Dokument speichern</translation>
    </message>
    <message>
        <source>De&amp;lete Rows</source>
        <translation>Zeilen &amp;löschen</translation>
    </message>
    <message>
        <source>Delete the rows selected (Delete)</source>
        <translation>Die ausgewählten Zeilen löschen (Entf)</translation>
    </message>
    <message>
        <source>Cl&amp;ear Session…</source>
        <translation>Sitzung l&amp;eeren…</translation>
    </message>
    <message>
        <source>Delete every row of the session</source>
        <translation>Alle Zeilen der Sitzung löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window (Esc); the session is kept</source>
        <translation>Dieses Fenster schließen (Esc); die Sitzung bleibt erhalten</translation>
    </message>
    <message>
        <source>Velmora session, %1 (Velmora %2)</source>
        <translation>Velmora-Sitzung, %1 (Velmora %2)</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Sitzung speichern</translation>
    </message>
    <message>
        <source>session.csv</source>
        <translation>sitzung.csv</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>session.pdf</source>
        <translation>sitzung.pdf</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Velmora session</source>
        <translation>Velmora-Sitzung</translation>
    </message>
    <message>
        <source>The session could not be saved to %1: %2.</source>
        <translation>Die Sitzung konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The PDF could not be saved to %1: %2.</source>
        <translation>Das PDF konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Copy the rows selected, or all, as a table to paste into a report or a spreadsheet</source>
        <translation>Die ausgewählten Zeilen, sonst alle, als Tabelle kopieren, zum Einfügen in einen Bericht oder eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Copy Se&amp;ntences</source>
        <translation>Sä&amp;tze kopieren</translation>
    </message>
    <message>
        <source>Copy the rows selected, or all, as a report&apos;s sentences, one a row</source>
        <translation>Die ausgewählten Zeilen, sonst alle, als Sätze für den Befundbericht kopieren, ein Satz je Zeile</translation>
    </message>
    <message>
        <source>Save the rows selected, or all, as a CSV file for a spreadsheet or for velmora-cli</source>
        <translation>Die ausgewählten Zeilen, sonst alle, als CSV-Datei für eine Tabellenkalkulation oder für velmora-cli speichern</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <source>CSV for velmora-cli (*.csv)</source>
        <translation>CSV für velmora-cli (*.csv)</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>An identifier of the patient of your own choosing, at most %1 characters; it may stay empty</source>
        <translation>Eine selbst gewählte Kennung des Patienten, höchstens %1 Zeichen; darf leer bleiben</translation>
    </message>
    <message>
        <source>Patients</source>
        <translation>Patienten</translation>
    </message>
    <message>
        <source>The session&apos;s patients, newest first: choose one to see its results</source>
        <translation>Die Patienten der Sitzung, der neueste zuerst: einen auswählen, um seine Ergebnisse zu sehen</translation>
    </message>
    <message>
        <source>Start the next patient: the results from now on go to that patient (Ctrl+N)</source>
        <translation>Den nächsten Patienten beginnen: Die Ergebnisse gehen von nun an zu diesem Patienten (Strg+N)</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Patient %1</translation>
    </message>
    <message>
        <source>Pa&amp;tient:</source>
        <translation>Pat&amp;ient:</translation>
    </message>
    <message>
        <source>Ne&amp;w Patient</source>
        <translation>&amp;Neuer Patient</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last deletion, clearing or test&apos;s name (Ctrl+Z)</source>
        <translation>Das letzte Löschen, Leeren oder den letzten Testnamen rückgängig machen (Strg+Z)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Do again what was undone (Ctrl+Shift+Z or Ctrl+Y)</source>
        <translation>Das Rückgängiggemachte wiederholen (Strg+Umschalt+Z oder Strg+Y)</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n results of the session, of every patient? Undo brings them back.</source>
        <translation>
            <numerusform>Das eine Ergebnis der Sitzung löschen, für alle Patienten? „Rückgängig“ bringt es zurück.</numerusform>
            <numerusform>Alle %n Ergebnisse der Sitzung löschen, für alle Patienten? „Rückgängig“ bringt sie zurück.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>modVelmora::frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
</TS>
