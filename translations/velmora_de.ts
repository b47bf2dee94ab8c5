<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>modVelmora::BellCurve</name>
    <message>
        <source>Bell curve</source>
        <translation>Glockenkurve</translation>
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
        <translation>nicht korrigiert (termingeboren)</translation>
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
</context>
<context>
    <name>modVelmora::Platform</name>
    <message>
        <source>The Velmora</source>
        <translation>The Velmora</translation>
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
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
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
        <source>Number of decimal places</source>
        <translation>Anzahl der Nachkommastellen</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
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
        <source>Number of decimal places</source>
        <translation>Anzahl der Nachkommastellen</translation>
    </message>
    <message>
        <source>converts to</source>
        <translation>wird umgerechnet in</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
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
    <name>modVelmora::frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
</TS>
