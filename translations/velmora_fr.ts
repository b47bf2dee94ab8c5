<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>modVelmora::BellCurve</name>
    <message>
        <source>Bell curve</source>
        <translation>Courbe en cloche</translation>
    </message>
</context>
<context>
    <name>modVelmora::Labels</name>
    <message>
        <source>Exceptionally high score</source>
        <translation>Score exceptionnellement élevé</translation>
    </message>
    <message>
        <source>Extremely high</source>
        <translation>Très élevé</translation>
    </message>
    <message>
        <source>Above average score</source>
        <translation>Score supérieur à la moyenne</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Élevé</translation>
    </message>
    <message>
        <source>High average score</source>
        <translation>Score dans la moyenne forte</translation>
    </message>
    <message>
        <source>High average</source>
        <translation>Moyenne forte</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Score dans la moyenne</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Low average score</source>
        <translation>Score dans la moyenne faible</translation>
    </message>
    <message>
        <source>Low average</source>
        <translation>Moyenne faible</translation>
    </message>
    <message>
        <source>Below average score</source>
        <translation>Score inférieur à la moyenne</translation>
    </message>
    <message>
        <source>Very low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Exceptionally low score</source>
        <translation>Score exceptionnellement bas</translation>
    </message>
    <message>
        <source>Extremely low</source>
        <translation>Très faible</translation>
    </message>
    <message>
        <source>AACN 2020</source>
        <translation>AACN 2020</translation>
    </message>
    <message>
        <source>Wechsler</source>
        <translation>Wechsler</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Descriptive label</source>
        <translation>Étiquette descriptive</translation>
    </message>
    <message>
        <source>Standard score %1: %2 (%3)</source>
        <translation>Note composite %1&#xa0;: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>modVelmora::Messages</name>
    <message>
        <source>Invalid Date</source>
        <translation>Date non valide</translation>
    </message>
    <message>
        <source>The test date cannot be less than the birth date.</source>
        <translation>La date de passation ne peut pas être antérieure à la date de naissance.</translation>
    </message>
    <message>
        <source>Error.</source>
        <translation>Erreur.</translation>
    </message>
    <message>
        <source>Cannot divide by 0.</source>
        <translation>Impossible de diviser par zéro.</translation>
    </message>
    <message>
        <source>Please enter a percentile that is greater than 0 and less than 100.</source>
        <translation>Veuillez saisir un rang centile supérieur à 0 et inférieur à 100.</translation>
    </message>
    <message>
        <source>Scaled score values must be between 1 and 20</source>
        <translation>Les notes standard doivent être comprises entre 1 et 20.</translation>
    </message>
    <message>
        <source>Please enter a raw score.</source>
        <translation>Veuillez saisir une note brute.</translation>
    </message>
    <message>
        <source>Please enter the sample mean.</source>
        <translation>Veuillez saisir la moyenne de l&apos;échantillon.</translation>
    </message>
    <message>
        <source>Please enter the sample standard deviation.</source>
        <translation>Veuillez saisir l&apos;écart-type de l&apos;échantillon.</translation>
    </message>
    <message>
        <source>The standard deviation cannot equal zero.</source>
        <translation>L&apos;écart-type ne peut pas être égal à zéro.</translation>
    </message>
    <message>
        <source>Please enter the size of the normative sample.</source>
        <translation>Veuillez saisir l&apos;effectif de l&apos;échantillon normatif.</translation>
    </message>
    <message>
        <source>The normative sample size must be greater than 1.</source>
        <translation>L&apos;effectif de l&apos;échantillon normatif doit être supérieur à 1.</translation>
    </message>
    <message>
        <source>The normative sample size must be at most 9999.</source>
        <translation>La taille de l&apos;échantillon normatif doit être au plus 9999.</translation>
    </message>
    <message>
        <source>Please enter the gestation as weeks or weeks+days, for example 30+2.</source>
        <translation>Veuillez saisir l&apos;âge gestationnel en semaines ou semaines+jours, par exemple 30+2.</translation>
    </message>
    <message>
        <source>before the due date</source>
        <translation>avant le terme prévu</translation>
    </message>
    <message>
        <source>not corrected (born at term)</source>
        <translation>non corrigé (né à terme)</translation>
    </message>
</context>
<context>
    <name>modVelmora::ModuleWindow</name>
    <message>
        <source>Raw to Percentile</source>
        <translation>Note brute en rang centile</translation>
    </message>
    <message>
        <source>Score Converter</source>
        <translation>Conversion de notes</translation>
    </message>
    <message>
        <source>Age Calculator</source>
        <translation>Calcul de l&apos;âge</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Module</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Descriptive Labels</source>
        <translation>&amp;Étiquettes descriptives</translation>
    </message>
    <message>
        <source>The manual could not be opened: no program for PDF documents was found. It is at %1</source>
        <translation>Le manuel n&apos;a pas pu être ouvert&#xa0;: aucun programme pour les documents PDF n&apos;a été trouvé. Il se trouve ici&#xa0;: %1</translation>
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
        <translation>Rang centile</translation>
    </message>
    <message>
        <source>Scaled Score</source>
        <translation>Note standard</translation>
    </message>
    <message>
        <source>Standard Score</source>
        <translation>Note composite</translation>
    </message>
    <message>
        <source>T-Score</source>
        <translation>Note T</translation>
    </message>
    <message>
        <source>Z-Score</source>
        <translation>Note z</translation>
    </message>
    <message>
        <source>Percentage of the norm group scoring below this score</source>
        <translation>Pourcentage du groupe de référence obtenant une note inférieure</translation>
    </message>
    <message>
        <source>Mean 10, SD 3: Wechsler subtests</source>
        <translation>Moyenne 10, écart-type 3&#xa0;: subtests des échelles de Wechsler</translation>
    </message>
    <message>
        <source>Mean 100, SD 15: IQ and index scores (Wechsler, Stanford-Binet)</source>
        <translation>Moyenne 100, écart-type 15&#xa0;: QI et indices (Wechsler, Stanford-Binet)</translation>
    </message>
    <message>
        <source>Mean 50, SD 10: demographically corrected norms (Heaton), MMPI and other personality and symptom scales</source>
        <translation>Moyenne 50, écart-type 10&#xa0;: normes corrigées pour les variables démographiques (Heaton), MMPI et autres échelles de personnalité et de symptômes</translation>
    </message>
    <message>
        <source>Mean 0, SD 1: the distance from the mean in standard deviations</source>
        <translation>Moyenne 0, écart-type 1&#xa0;: l&apos;écart à la moyenne en écarts-types</translation>
    </message>
</context>
<context>
    <name>modVelmora::UpDown</name>
    <message>
        <source>Up</source>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Vers le bas</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmAbout</name>
    <message>
        <source>About The Velmora...</source>
        <translation>À propos de The Velmora...</translation>
    </message>
    <message>
        <source>Velmora emblem</source>
        <translation>Emblème de Velmora</translation>
    </message>
    <message>
        <source>The Velmora</source>
        <translation>The Velmora</translation>
    </message>
    <message>
        <source>The terms of use and the manual are in English.</source>
        <translation>Les conditions d&apos;utilisation et le manuel sont en anglais.</translation>
    </message>
    <message>
        <source>Written by the Velmora developers. All rights reserved.</source>
        <translation>Par les développeurs de Velmora. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Visit my web site!</source>
        <translation>Visitez mon site Web&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;License . . .</source>
        <translation>&amp;Licence . . .</translation>
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
        <translation>Calcul de l&apos;âge</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Enter date in any unambiguous format (e.g., September 17, 1998; 09/17/98; 17 sep 98; etc)</source>
        <translation>Saisissez la date dans un format sans ambiguïté (p.&#xa0;ex. 17 septembre 1998&#xa0;; 17/09/98&#xa0;; 17 sept. 98&#xa0;; etc.)</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Date de passation</translation>
    </message>
    <message>
        <source>Enter date in any unambiguous format (e.g., September 17, 1998; 09/17/98; 17 sep 98; etc). Double-click to enter today&apos;s date.</source>
        <translation>Saisissez la date dans un format sans ambiguïté (p.&#xa0;ex. 17 septembre 1998&#xa0;; 17/09/98&#xa0;; 17 sept. 98&#xa0;; etc.). Double-cliquez pour saisir la date du jour.</translation>
    </message>
    <message>
        <source>Show Calendar</source>
        <translation>Afficher le calendrier</translation>
    </message>
    <message>
        <source>Show calendar for the birth date</source>
        <translation>Afficher le calendrier pour la date de naissance</translation>
    </message>
    <message>
        <source>Show calendar for the test date</source>
        <translation>Afficher le calendrier pour la date de passation</translation>
    </message>
    <message>
        <source>Age (Years-Months-Days)</source>
        <translation>Âge (ans-mois-jours)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Gestation at birth</source>
        <translation>Terme de naissance</translation>
    </message>
    <message>
        <source>Weeks, or weeks+days (30+2), for a child born before 37 weeks; empty for no correction</source>
        <translation>Semaines, ou semaines+jours (30+2), pour un enfant né avant 37&#xa0;SA&#xa0;; vide pour ne pas corriger</translation>
    </message>
    <message>
        <source>Gestation at birth, in weeks or weeks+days</source>
        <translation>Âge gestationnel à la naissance, en semaines ou semaines+jours</translation>
    </message>
    <message>
        <source>Corrected age</source>
        <translation>Âge corrigé</translation>
    </message>
    <message>
        <source>Test manuals usually correct for prematurity until the age of 24 months (some until 36).</source>
        <translation>Les manuels de tests corrigent la prématurité en général jusqu&apos;à 24 mois (certains jusqu&apos;à 36).</translation>
    </message>
    <message>
        <source>Due date: %1.</source>
        <translation>Terme prévu (40&#xa0;SA)&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arr.</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Effacer l&apos;entrée</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Clear memory</source>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <source>Recall value from memory</source>
        <translation>Rappeler la valeur en mémoire</translation>
    </message>
    <message>
        <source>Store value in memory</source>
        <translation>Mettre la valeur en mémoire</translation>
    </message>
    <message>
        <source>Add value to memory</source>
        <translation>Ajouter la valeur à la mémoire</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <source>Memory Value: %1</source>
        <translation>Valeur en mémoire&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmCalendar</name>
    <message>
        <source>Press ESC to cancel or &apos;T&apos; to return to today&apos;s date</source>
        <translation>Échap&#xa0;: annuler, t&#xa0;: date du jour</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmLicense</name>
    <message>
        <source>The Velmora License Agreement</source>
        <translation>Contrat de licence de The Velmora</translation>
    </message>
    <message>
        <source>I do NOT agree to these terms and conditions</source>
        <translation>Je N&apos;ACCEPTE PAS ces conditions générales</translation>
    </message>
    <message>
        <source>I AGREE to these terms and conditions</source>
        <translation>J&apos;ACCEPTE ces conditions générales</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmRawScoreConverter</name>
    <message>
        <source>Raw Scores Module</source>
        <translation>Notes brutes</translation>
    </message>
    <message>
        <source>Raw Score</source>
        <translation>Note brute</translation>
    </message>
    <message>
        <source>Sample Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Sample SD</source>
        <translation>Écart-type</translation>
    </message>
    <message>
        <source>Z-Score</source>
        <translation>Note z</translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Rang centile</translation>
    </message>
    <message>
        <source>T-score</source>
        <translation>Valeur t</translation>
    </message>
    <message>
        <source>Adjusted %ile</source>
        <translation>Rang ajusté</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Check this box when scores below the mean indicate better performance (e.g., errors; reaction times)</source>
        <translation>Cochez cette case lorsque les notes inférieures à la moyenne indiquent une meilleure performance (p.&#xa0;ex. erreurs&#xa0;; temps de réaction)</translation>
    </message>
    <message>
        <source>Use t-test</source>
        <translation>Test t</translation>
    </message>
    <message>
        <source>Check this box to achieve greater accuracy when norms are based on a small normative sample (see Instructions)</source>
        <translation>Cochez cette case pour gagner en précision lorsque les normes reposent sur un petit échantillon normatif (voir le mode d&apos;emploi)</translation>
    </message>
    <message>
        <source>Sample N</source>
        <translation>Effectif</translation>
    </message>
    <message>
        <source>Enter the size of the normative sample</source>
        <translation>Saisissez l&apos;effectif de l&apos;échantillon normatif</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Nombre de décimales</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>95% CI %1 to %2</source>
        <translation>IC à 95&#xa0;%&#xa0;: de %1 à %2</translation>
    </message>
    <message>
        <source>95% interval estimate of the percentage of the population below this score (Crawford and Garthwaite, 2002). z-CC %1, 95% CI %2 to %3.</source>
        <translation>Estimation par intervalle à 95&#xa0;% du pourcentage de la population situé sous cette note (Crawford et Garthwaite, 2002). z-CC %1, IC à 95&#xa0;%&#xa0;: de %2 à %3.</translation>
    </message>
    <message>
        <source>Copy percentile to clipboard</source>
        <translation>Copier le rang centile dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy adjusted percentile to clipboard</source>
        <translation>Copier le rang centile ajusté dans le presse-papiers</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentile</source>
        <translation>Définir le nombre de décimales du rang centile</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentile and adjusted percentile</source>
        <translation>Définir le nombre de décimales du rang centile et du rang centile ajusté</translation>
    </message>
    <message>
        <source>95% interval estimate of the percentage of the population above this score (Crawford and Garthwaite, 2002). z-CC %1, 95% CI %2 to %3.</source>
        <translation>Estimation par intervalle à 95&#xa0;% du pourcentage de la population situé au-dessus de cette note (Crawford et Garthwaite, 2002). z-CC %1, IC à 95&#xa0;%&#xa0;: de %2 à %3.</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmScoreConverter</name>
    <message>
        <source>Score Converter</source>
        <translation>Conversion de notes</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Vers</translation>
    </message>
    <message>
        <source>Copy percentile to clipboard</source>
        <translation>Copier le rang centile dans le presse-papiers</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentile (see Instructions)</source>
        <translation>Définir le nombre de décimales du rang centile (voir le mode d&apos;emploi)</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Nombre de décimales</translation>
    </message>
    <message>
        <source>converts to</source>
        <translation>se convertit en</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Copy %1 to clipboard</source>
        <translation>Copier la valeur «&#xa0;%1&#xa0;» dans le presse-papiers</translation>
    </message>
    <message>
        <source>Set number of places in %1</source>
        <translation>Définir le nombre de décimales pour «&#xa0;%1&#xa0;»</translation>
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
