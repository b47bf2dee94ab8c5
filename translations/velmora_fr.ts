<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>modVelmora::BellCurve</name>
    <message>
        <source>Bell curve</source>
        <translation>Courbe en cloche</translation>
    </message>
    <message>
        <source>the picture could not be drawn as PNG or SVG</source>
        <translation>l&apos;image n&apos;a pas pu être dessinée en PNG ou en SVG</translation>
    </message>
</context>
<context>
    <name>modVelmora::Change</name>
    <message>
        <source>Jacobson &amp; Truax (1991)</source>
        <translation>Jacobson et Truax (1991)</translation>
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
        <translation>Crawford et Garthwaite (2007)</translation>
    </message>
    <message>
        <source>Reliable improvement</source>
        <translation>Amélioration fiable</translation>
    </message>
    <message>
        <source>Reliable decline</source>
        <translation>Détérioration fiable</translation>
    </message>
    <message>
        <source>No reliable change</source>
        <translation>Pas de changement fiable</translation>
    </message>
</context>
<context>
    <name>modVelmora::Difference</name>
    <message>
        <source>No significant difference</source>
        <translation>Pas de différence significative</translation>
    </message>
    <message>
        <source>Significant difference</source>
        <translation>Différence significative</translation>
    </message>
</context>
<context>
    <name>modVelmora::Interval</name>
    <message>
        <source>Obtained score</source>
        <translation>Note obtenue</translation>
    </message>
    <message>
        <source>Estimated true score</source>
        <translation>Note vraie estimée</translation>
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
        <translation>sans objet (né(e) à terme)</translation>
    </message>
    <message>
        <source>Please enter the test score.</source>
        <translation>Veuillez saisir la note au test.</translation>
    </message>
    <message>
        <source>Please enter the retest score.</source>
        <translation>Veuillez saisir la note au retest.</translation>
    </message>
    <message>
        <source>Please enter both means of the retest study, or neither.</source>
        <translation>Veuillez saisir les deux moyennes de l&apos;étude test-retest, ou aucune.</translation>
    </message>
    <message>
        <source>Please enter the SD at test.</source>
        <translation>Veuillez saisir l&apos;écart-type au test.</translation>
    </message>
    <message>
        <source>The SD at test must be greater than 0.</source>
        <translation>L&apos;écart-type au test doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>The SD at retest must be greater than 0.</source>
        <translation>L&apos;écart-type au retest doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>Please enter a test–retest correlation greater than 0 and less than 1.</source>
        <translation>Veuillez saisir une corrélation test-retest supérieure à 0 et inférieure à 1.</translation>
    </message>
    <message>
        <source>The size of the retest sample must be from 3 to 9999.</source>
        <translation>La taille de l&apos;échantillon test-retest doit être comprise entre 3 et 9999.</translation>
    </message>
    <message>
        <source>Please enter a reliability greater than 0 and less than 1.</source>
        <translation>Veuillez saisir une fidélité supérieure à 0 et inférieure à 1.</translation>
    </message>
    <message>
        <source>The file is empty: its first line must name the columns name, mean and sd.</source>
        <translation>Le fichier est vide&#xa0;: sa première ligne doit nommer les colonnes name, mean et sd.</translation>
    </message>
    <message>
        <source>The file is larger than 16 MB, too large to hold norm sets.</source>
        <translation>Le fichier dépasse 16 Mo, trop pour contenir des jeux de normes.</translation>
    </message>
    <message>
        <source>Line 1: the columns are separated by semicolons; norm sets are read with commas between the columns and a point in numbers.</source>
        <translation>Ligne 1&#xa0;: les colonnes sont séparées par des points-virgules&#xa0;; les jeux de normes se lisent avec des virgules entre les colonnes et un point dans les nombres.</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed, or a quote stands inside a field without quotes.</source>
        <translation>Ligne %1&#xa0;: un champ entre guillemets n&apos;est pas fermé, ou un guillemet se trouve dans un champ sans guillemets.</translation>
    </message>
    <message>
        <source>Line %1: the text is not UTF-8; save the file as &quot;CSV UTF-8&quot;.</source>
        <translation>Ligne %1&#xa0;: le texte n&apos;est pas en UTF-8&#xa0;; enregistrez le fichier au format «&#xa0;CSV UTF-8&#xa0;».</translation>
    </message>
    <message>
        <source>Line %1: the row has more fields than the first line has columns.</source>
        <translation>Ligne %1&#xa0;: la ligne a plus de champs que la première ligne n&apos;a de colonnes.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Line %1: the name &quot;%2&quot; is given twice.</source>
        <translation>Ligne %1&#xa0;: le nom «&#xa0;%2&#xa0;» figure deux fois.</translation>
    </message>
    <message>
        <source>A norm set needs a name.</source>
        <translation>Un jeu de normes doit avoir un nom.</translation>
    </message>
    <message>
        <source>A norm set&apos;s name cannot hold tabs, line breaks or other control characters.</source>
        <translation>Le nom d&apos;un jeu de normes ne peut contenir ni tabulations, ni sauts de ligne, ni autres caractères de contrôle.</translation>
    </message>
    <message>
        <source>The mean is missing.</source>
        <translation>La moyenne manque.</translation>
    </message>
    <message>
        <source>The mean must be a number of at most 8 characters, with a point for decimals: %1</source>
        <translation>La moyenne doit être un nombre d&apos;au plus 8 caractères, avec un point pour les décimales&#xa0;: %1</translation>
    </message>
    <message>
        <source>The SD is missing.</source>
        <translation>L&apos;écart-type manque.</translation>
    </message>
    <message>
        <source>The SD must be a number greater than 0, of at most 8 characters, with a point for decimals: %1</source>
        <translation>L&apos;écart-type doit être un nombre supérieur à 0, d&apos;au plus 8 caractères, avec un point pour les décimales&#xa0;: %1</translation>
    </message>
    <message>
        <source>n must be empty or a whole number from 2 to 9999: %1</source>
        <translation>n doit être vide ou un nombre entier de 2 à 9999&#xa0;: %1</translation>
    </message>
    <message>
        <source>reverse must be 0 or 1, true or false, yes or no: %1</source>
        <translation>reverse doit valoir 0 ou 1, true ou false, yes ou no&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>The norm sets file was damaged and has been kept as %1; the list of norm sets starts empty. %2</source>
        <translation>Le fichier des jeux de normes était endommagé et a été conservé sous %1&#xa0;; la liste des jeux de normes repart vide. %2</translation>
    </message>
    <message>
        <source>The norm sets file %1 is damaged and could not be set aside (%2); no norm set can be saved until it is mended or removed. %3</source>
        <translation>Le fichier des jeux de normes %1 est endommagé et n&apos;a pas pu être mis de côté (%2)&#xa0;; aucun jeu de normes ne peut être enregistré tant qu&apos;il n&apos;est pas réparé ou supprimé. %3</translation>
    </message>
    <message>
        <source>%1 No norm set can be saved until it can be read.</source>
        <translation>%1 Aucun jeu de normes ne peut être enregistré tant qu&apos;il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Nothing was changed. %1</source>
        <translation>Rien n&apos;a été modifié. %1</translation>
    </message>
    <message>
        <source>Nothing was imported from %1. %2</source>
        <translation>Rien n&apos;a été importé de %1. %2</translation>
    </message>
    <message>
        <source>There is no norm set named &quot;%1&quot;.</source>
        <translation>Il n&apos;y a pas de jeu de normes nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>There is already a norm set named &quot;%1&quot;.</source>
        <translation>Il existe déjà un jeu de normes nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Please enter score X.</source>
        <translation>Veuillez saisir la note X.</translation>
    </message>
    <message>
        <source>Please enter score Y.</source>
        <translation>Veuillez saisir la note Y.</translation>
    </message>
    <message>
        <source>Scores on this scale are whole numbers: please enter them without decimals.</source>
        <translation>Les notes de cette échelle sont des nombres entiers : veuillez les saisir sans décimales.</translation>
    </message>
    <message>
        <source>Please enter the reliability of X.</source>
        <translation>Veuillez saisir la fidélité de X.</translation>
    </message>
    <message>
        <source>Please enter the reliability of Y.</source>
        <translation>Veuillez saisir la fidélité de Y.</translation>
    </message>
    <message>
        <source>The reliability of X must be greater than 0 and less than 1.</source>
        <translation>La fidélité de X doit être supérieure à 0 et inférieure à 1.</translation>
    </message>
    <message>
        <source>The reliability of Y must be greater than 0 and less than 1.</source>
        <translation>La fidélité de Y doit être supérieure à 0 et inférieure à 1.</translation>
    </message>
    <message>
        <source>Please enter the correlation of X and Y.</source>
        <translation>Veuillez saisir la corrélation entre X et Y.</translation>
    </message>
    <message>
        <source>The correlation of X and Y must be greater than -1 and less than 1.</source>
        <translation>La corrélation entre X et Y doit être supérieure à -1 et inférieure à 1.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; mean on X.</source>
        <translation>Veuillez saisir la moyenne des contrôles en X.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; mean on Y.</source>
        <translation>Veuillez saisir la moyenne des contrôles en Y.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; SD on X.</source>
        <translation>Veuillez saisir l&apos;écart-type des contrôles en X.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; SD on Y.</source>
        <translation>Veuillez saisir l&apos;écart-type des contrôles en Y.</translation>
    </message>
    <message>
        <source>The controls&apos; SD on X must be greater than 0.</source>
        <translation>L&apos;écart-type des contrôles en X doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>The controls&apos; SD on Y must be greater than 0.</source>
        <translation>L&apos;écart-type des contrôles en Y doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>Please enter the number of controls.</source>
        <translation>Veuillez saisir le nombre de sujets contrôles.</translation>
    </message>
    <message>
        <source>The number of controls must be from 3 to 9999.</source>
        <translation>Le nombre de sujets contrôles doit être compris entre 3 et 9999.</translation>
    </message>
    <message>
        <source>The standard deviation cannot be negative.</source>
        <translation>L&apos;écart-type ne peut pas être négatif.</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d&apos;espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>C&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>No such file or folder</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>A part of the path is not a folder</source>
        <translation>Une partie du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Please enter a score.</source>
        <translation>Veuillez saisir une note.</translation>
    </message>
    <message>
        <source>The score is not a number.</source>
        <translation>La note n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Please choose the score&apos;s scale.</source>
        <translation>Veuillez choisir l&apos;échelle de la note.</translation>
    </message>
    <message>
        <source>The scale is none of Percentile, Scaled Score, Standard Score, T-Score and Z-Score.</source>
        <translation>L&apos;échelle n&apos;est ni le rang centile, ni la note standard, ni la note composite, ni la note T, ni la note z.</translation>
    </message>
    <message>
        <source>The reliability is not a number.</source>
        <translation>La fidélité n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The score is too large to convert.</source>
        <translation>La note est trop grande pour être convertie.</translation>
    </message>
    <message>
        <source>Line 1: there is no column &quot;%1&quot;; the first line must name the columns name, mean and sd (n, reverse, source, ages and notes may follow).</source>
        <translation>Ligne 1&#xa0;: il n&apos;y a pas de colonne «&#xa0;%1&#xa0;»&#xa0;; la première ligne doit nommer les colonnes name, mean et sd (n, reverse, source, ages et notes peuvent suivre).</translation>
    </message>
    <message>
        <source>A norm set&apos;s source, ages and notes cannot hold tabs, line breaks or other control characters.</source>
        <translation>La source, les âges et les notes d&apos;un jeu de normes ne peuvent contenir ni tabulations, ni sauts de ligne, ni autres caractères de contrôle.</translation>
    </message>
    <message>
        <source>The result is out of range.</source>
        <translation>Le résultat est hors de la plage affichable.</translation>
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
    <message>
        <source>Score Interval</source>
        <translation>Intervalle de confiance</translation>
    </message>
    <message>
        <source>Reliable Change</source>
        <translation>Changement fiable</translation>
    </message>
    <message>
        <source>&amp;Session…</source>
        <translation>&amp;Session…</translation>
    </message>
    <message>
        <source>Sess&amp;ion…</source>
        <translation>&amp;Session…</translation>
    </message>
    <message>
        <source>Show the session: every result calculated, in one table (Ctrl+Shift+S)</source>
        <translation>Afficher la session&#xa0;: tous les résultats calculés, dans un tableau (Ctrl+Maj+S)</translation>
    </message>
    <message>
        <source>Score Difference</source>
        <translation>Différence de notes</translation>
    </message>
    <message>
        <source>Score Profile</source>
        <translation>Profil des notes</translation>
    </message>
</context>
<context>
    <name>modVelmora::OutOfDateResults</name>
    <message>
        <source>Out of date: an entry has changed since Calculate.</source>
        <translation>Résultat non à jour&#xa0;: une saisie a changé depuis le calcul.</translation>
    </message>
    <message>
        <source>Out of date: press Calculate before copying.</source>
        <translation>Résultat non à jour&#xa0;: cliquez sur Calculer avant de copier.</translation>
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
        <translation>Le document n&apos;a pas pu être imprimé dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>modVelmora::ProfileChart</name>
    <message>
        <source>Score profile</source>
        <translation>Profil des notes</translation>
    </message>
    <message>
        <source>Standard Score</source>
        <translation>Note composite</translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Rang centile</translation>
    </message>
</context>
<context>
    <name>modVelmora::ProfileTable</name>
    <message>
        <source>%1, row %2</source>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Reliability</source>
        <translation>Fidélité</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>percentile %1</source>
        <translation>rang centile %1</translation>
    </message>
    <message>
        <source>standard score %1</source>
        <translation>note composite %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>modVelmora::Program</name>
    <message numerus="yes">
        <source>The results of this session (%n) could not be kept on disk, and go when the program ends. Save them as a CSV file first?</source>
        <translation>
            <numerusform>Le résultat de cette session n&apos;a pas pu être conservé sur le disque et sera perdu à la fermeture du programme. L&apos;enregistrer d&apos;abord dans un fichier CSV&#xa0;?</numerusform>
            <numerusform>Les %n résultats de cette session n&apos;ont pas pu être conservés sur le disque et seront perdus à la fermeture du programme. Les enregistrer d&apos;abord dans un fichier CSV&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>modVelmora::Report</name>
    <message>
        <source>%1 months %2 days</source>
        <translation>%1 mois %2 jours</translation>
    </message>
    <message>
        <source>age %1 (%2)</source>
        <translation>âge %1 (%2)</translation>
    </message>
    <message>
        <source>corrected age %1 (%2)</source>
        <translation>âge corrigé %1 (%2)</translation>
    </message>
    <message>
        <source>corrected age: %1</source>
        <translation>âge corrigé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>t %1 (%2 df)</source>
        <translation>t %1 (%2 ddl)</translation>
    </message>
    <message>
        <source>z %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3, p %4)</source>
        <translation>%1&#xa0;: %2 (%3, p %4)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Rang centile</translation>
    </message>
    <message>
        <source>Confidence interval</source>
        <translation>Intervalle de confiance</translation>
    </message>
    <message>
        <source>Descriptive label</source>
        <translation>Qualificatif</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 %2 and %3</source>
        <translation>%1&#xa0;%2 et %3</translation>
    </message>
    <message>
        <source>difference %1, critical difference %2: %3; base rate %4% (%5% either direction)</source>
        <translation>différence %1, différence critique %2&#xa0;: %3&#xa0;; taux de base %4&#xa0;% (%5&#xa0;% dans un sens ou l'autre)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>z %1 and %2, Z-DCC %3, t %4 (%5 df), p %6: %7</source>
        <translation>z %1 et %2, Z-DCC %3, t %4 (%5 ddl), p %6&#xa0;: %7</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 %2 (%3% CI %4)</source>
        <translation>%1&#xa0;%2 (IC à %3&#xa0;% %4)</translation>
    </message>
    <message>
        <source>%1% confidence, reliability %2</source>
        <translation>confiance à %1&#xa0;%, fidélité %2</translation>
    </message>
    <message>
        <source>around the estimated true score %1</source>
        <translation>autour de la note vraie estimée %1</translation>
    </message>
    <message>
        <source>percentiles %1 to %2</source>
        <translation>rangs centiles %1 à %2</translation>
    </message>
    <message>
        <source>raw %1 (mean %2, SD %3)</source>
        <translation>note brute %1 (moyenne %2, ET %3)</translation>
    </message>
    <message>
        <source>t %1 against a normative sample of %2</source>
        <translation>t %1 pour un échantillon normatif de %2</translation>
    </message>
    <message>
        <source>z-CC %1 (95% CI %2 to %3)</source>
        <translation>z-CC %1 (IC à 95&#xa0;% %2 à %3)</translation>
    </message>
    <message>
        <source>low scores are good</source>
        <translation>les notes basses sont meilleures</translation>
    </message>
    <message>
        <source>raw %1 (mean %2, SD %3, norm set %4)</source>
        <translation>note brute %1 (moyenne %2, ET %3, jeu de normes %4)</translation>
    </message>
    <message>
        <source>norms from %1</source>
        <translation>normes tirées de %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::ResultControls</name>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Nombre de décimales</translation>
    </message>
</context>
<context>
    <name>modVelmora::ResultTable</name>
    <message>
        <source>Copy the results table to the clipboard</source>
        <translation>Copier le tableau des résultats dans le presse-papiers</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
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
    <message>
        <source>percentile</source>
        <translation>rang centile</translation>
    </message>
    <message>
        <source>scaled score</source>
        <translation>note standard</translation>
    </message>
    <message>
        <source>standard score</source>
        <translation>note composite</translation>
    </message>
    <message>
        <source>T-score</source>
        <translation>note T</translation>
    </message>
    <message>
        <source>z-score</source>
        <translation>note z</translation>
    </message>
</context>
<context>
    <name>modVelmora::SessionFile</name>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside: %2</source>
        <translation>%1 est endommagé et n&apos;a pas pu être mis de côté&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no folder to keep the session in</source>
        <translation>il n&apos;y a pas de dossier où conserver la session</translation>
    </message>
    <message>
        <source>%1 is open in another Velmora (process %2 on %3); if that one is gone, delete %4</source>
        <translation>%1 est ouvert dans un autre Velmora (processus %2 sur %3)&#xa0;; si celui-ci n&apos;est plus ouvert, supprimez %4</translation>
    </message>
    <message>
        <source>%1 could not be locked: its folder cannot be written</source>
        <translation>%1 n&apos;a pas pu être verrouillé&#xa0;: son dossier n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>it is larger than 256 MB</source>
        <translation>il dépasse 256 Mo</translation>
    </message>
    <message>
        <source>it does not continue %1</source>
        <translation>il ne fait pas suite à %1</translation>
    </message>
    <message>
        <source>it was not read, so it is not written over</source>
        <translation>il n&apos;a pas été lu, il n&apos;est donc pas écrasé</translation>
    </message>
    <message>
        <source>the row cannot be kept: %1</source>
        <translation>la ligne ne peut pas être conservée&#xa0;: %1</translation>
    </message>
    <message>
        <source>row %1 cannot be kept: %2</source>
        <translation>la ligne %1 ne peut pas être conservée&#xa0;: %2</translation>
    </message>
    <message>
        <source>not an object of entry, fields, module, results, test, time</source>
        <translation>pas un objet de entry, fields, module, results, test, time</translation>
    </message>
    <message>
        <source>unexpected character</source>
        <translation>caractère inattendu</translation>
    </message>
    <message>
        <source>the text ends early</source>
        <translation>le texte se termine trop tôt</translation>
    </message>
    <message>
        <source>a control character in a string</source>
        <translation>un caractère de contrôle dans une chaîne</translation>
    </message>
    <message>
        <source>a bad \u escape</source>
        <translation>une séquence d&apos;échappement \u incorrecte</translation>
    </message>
    <message>
        <source>a bad escape</source>
        <translation>une séquence d&apos;échappement incorrecte</translation>
    </message>
    <message>
        <source>the text ends inside a string</source>
        <translation>le texte se termine dans une chaîne</translation>
    </message>
    <message>
        <source>not a value</source>
        <translation>pas une valeur</translation>
    </message>
    <message>
        <source>a bad number</source>
        <translation>un nombre incorrect</translation>
    </message>
    <message>
        <source>nested too deeply</source>
        <translation>imbrication trop profonde</translation>
    </message>
    <message>
        <source>not a row number</source>
        <translation>pas un numéro de ligne</translation>
    </message>
    <message>
        <source>not JSON: the text is not UTF-8</source>
        <translation>pas du JSON&#xa0;: le texte n&apos;est pas en UTF-8</translation>
    </message>
    <message>
        <source>more after the end</source>
        <translation>du texte après la fin</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>pas du JSON&#xa0;: %1 à l&apos;octet %2</translation>
    </message>
    <message>
        <source>&quot;fields&quot; is not a list</source>
        <translation>«&#xa0;fields&#xa0;» n&apos;est pas une liste</translation>
    </message>
    <message>
        <source>a field that is not a pair of texts</source>
        <translation>un champ qui n&apos;est pas une paire de textes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un texte</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; is not one this program writes</source>
        <translation>l&apos;heure «&#xa0;%1&#xa0;» n&apos;est pas de celles qu&apos;écrit ce programme</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; cannot be stored</source>
        <translation>l&apos;heure «&#xa0;%1&#xa0;» ne peut pas être enregistrée</translation>
    </message>
    <message>
        <source>unknown module &quot;%1&quot;</source>
        <translation>module inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a text that is not Unicode</source>
        <translation>un texte qui n&apos;est pas en Unicode</translation>
    </message>
    <message>
        <source>the field name &quot;%1&quot; is not a lowercase identifier</source>
        <translation>le nom de champ «&#xa0;%1&#xa0;» n&apos;est pas un identifiant en minuscules</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not Unicode</source>
        <translation>le champ «&#xa0;%1&#xa0;» n&apos;est pas en Unicode</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; comes twice</source>
        <translation>le champ «&#xa0;%1&#xa0;» figure deux fois</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not UTF-8</source>
        <translation>pas en UTF-8</translation>
    </message>
    <message>
        <source>not a line of a session&apos;s journal</source>
        <translation>pas une ligne du journal d&apos;une session</translation>
    </message>
    <message>
        <source>not JSON: </source>
        <translation>pas du JSON&#xa0;: </translation>
    </message>
    <message>
        <source>change %1 names a row or patient there is not</source>
        <translation>la modification %1 désigne une ligne ou un patient inexistant</translation>
    </message>
    <message>
        <source>no such patient</source>
        <translation>aucun patient de ce numéro</translation>
    </message>
    <message>
        <source>not an object of entry, fields, module, patient, results, test, time</source>
        <translation>pas un objet de entry, fields, module, patient, results, test, time</translation>
    </message>
    <message>
        <source>&quot;patient&quot; is not a patient&apos;s number</source>
        <translation>«&#xa0;patient&#xa0;» n&apos;est pas un numéro de patient</translation>
    </message>
    <message>
        <source>no patient</source>
        <translation>aucun patient</translation>
    </message>
    <message>
        <source>not an object of &quot;format&quot;, &quot;patients&quot; (from format 2) and &quot;rows&quot;</source>
        <translation>pas un objet de «&#xa0;format&#xa0;», «&#xa0;patients&#xa0;» (à partir du format 2) et «&#xa0;rows&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une liste</translation>
    </message>
    <message>
        <source>a patient that is not a text</source>
        <translation>un patient qui n&apos;est pas un texte</translation>
    </message>
    <message>
        <source>format is not 1 or %1</source>
        <translation>le format n&apos;est ni 1 ni %1</translation>
    </message>
    <message>
        <source>row %1: patient %2 is not one of the session&apos;s</source>
        <translation>ligne %1&#xa0;: le patient %2 n&apos;appartient pas à la session</translation>
    </message>
    <message>
        <source>a patient&apos;s identifier longer than %1 characters</source>
        <translation>un identifiant de patient de plus de %1 caractères</translation>
    </message>
    <message>
        <source>a patient&apos;s identifier that is not Unicode</source>
        <translation>un identifiant de patient qui n&apos;est pas en Unicode</translation>
    </message>
</context>
<context>
    <name>modVelmora::SessionLog</name>
    <message>
        <source>The session cannot be kept on disk in this run: %1. Results are still collected until the program ends.</source>
        <translation>La session ne peut pas être conservée sur le disque pendant cette exécution&#xa0;: %1. Les résultats sont tout de même recueillis jusqu&apos;à la fin du programme.</translation>
    </message>
    <message>
        <source>The saved session was damaged (%1). It has been set aside as %2, and a new session starts.</source>
        <translation>La session enregistrée était endommagée (%1). Elle a été mise de côté sous %2 et une nouvelle session commence.</translation>
    </message>
    <message>
        <source>The saved session is larger than 256 MB, more than any session holds. It has been set aside unread as %1, and a new session starts.</source>
        <translation>La session enregistrée dépasse 256 Mo, plus que ne contient aucune session. Elle a été mise de côté sans être lue sous %1 et une nouvelle session commence.</translation>
    </message>
    <message>
        <source>The changes to the saved session since it was last written whole were damaged (%1). They have been set aside as %2; the session as it was before them is kept.</source>
        <translation>Les modifications de la session enregistrée depuis sa dernière écriture complète étaient endommagées (%1). Elles ont été mises de côté sous %2&#xa0;; la session est conservée telle qu&apos;elle était avant elles.</translation>
    </message>
    <message>
        <source>The session could not be saved to %1: %2. Its results are kept, and written at the next change.</source>
        <translation>La session n&apos;a pas pu être enregistrée dans %1&#xa0;: %2. Ses résultats sont conservés et seront écrits à la prochaine modification.</translation>
    </message>
</context>
<context>
    <name>modVelmora::Settings</name>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2.</translation>
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
    <message>
        <source>born %1</source>
        <translation>né(e) le %1</translation>
    </message>
    <message>
        <source>tested %1</source>
        <translation>évalué(e) le %1</translation>
    </message>
    <message>
        <source>gestation %1</source>
        <translation>terme %1 SA</translation>
    </message>
    <message>
        <source>age %1</source>
        <translation>âge %1</translation>
    </message>
    <message>
        <source>corrected age %1</source>
        <translation>âge corrigé %1</translation>
    </message>
    <message>
        <source>Age in months and days</source>
        <translation>Âge en mois et jours</translation>
    </message>
    <message>
        <source>Corrected age in months and days</source>
        <translation>Âge corrigé en mois et jours</translation>
    </message>
    <message>
        <source>%1 month %2 day</source>
        <translation>%1 mois %2 jour</translation>
    </message>
    <message>
        <source>%1 month %2 days</source>
        <translation>%1 mois %2 jours</translation>
    </message>
    <message>
        <source>%1 months %2 day</source>
        <translation>%1 mois %2 jour</translation>
    </message>
    <message>
        <source>%1 months %2 days</source>
        <translation>%1 mois %2 jours</translation>
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
    <name>modVelmora::frmNormSets</name>
    <message>
        <source>Manage Norm Sets</source>
        <translation>Gérer les jeux de normes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Norm sets</source>
        <translation>Jeux de normes</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Conservés dans %1</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renommer…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Rename Norm Set</source>
        <translation>Renommer le jeu de normes</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot;:</source>
        <translation>Nouveau nom pour «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>Delete the norm set &quot;%1&quot;?</source>
        <translation>Supprimer le jeu de normes «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Import Norm Sets</source>
        <translation>Importer des jeux de normes</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Norm sets imported: %1 added, %2 replaced.</source>
        <translation>Jeux de normes importés&#xa0;: %1 ajoutés, %2 remplacés.</translation>
    </message>
    <message>
        <source>Export Norm Sets</source>
        <translation>Exporter les jeux de normes</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>ET</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Ages</source>
        <translation>Âges</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
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
    <message>
        <source>&amp;Norms</source>
        <translation>&amp;Normes</translation>
    </message>
    <message>
        <source>Norms</source>
        <translation>Normes</translation>
    </message>
    <message>
        <source>A saved norm set fills the mean, the SD, the sample size and Reverse</source>
        <translation>Un jeu de normes enregistré remplit la moyenne, l&apos;écart-type, l&apos;effectif et Inverser</translation>
    </message>
    <message>
        <source>Sa&amp;ve Norms…</source>
        <translation>Enre&amp;gistrer…</translation>
    </message>
    <message>
        <source>Keep the mean, the SD, the sample size and Reverse under a name</source>
        <translation>Conserver la moyenne, l&apos;écart-type, l&apos;effectif et Inverser sous un nom</translation>
    </message>
    <message>
        <source>Mana&amp;ge…</source>
        <translation>Gé&amp;rer…</translation>
    </message>
    <message>
        <source>Rename, delete, import and export the saved norm sets</source>
        <translation>Renommer, supprimer, importer et exporter les jeux de normes enregistrés</translation>
    </message>
    <message>
        <source>(typed)</source>
        <translation>(saisies)</translation>
    </message>
    <message>
        <source>Save Norms</source>
        <translation>Enregistrer les normes</translation>
    </message>
    <message>
        <source>Name of the norm set (for example the test and subtest):</source>
        <translation>Nom du jeu de normes (par exemple le test et le subtest)&#xa0;:</translation>
    </message>
    <message>
        <source>A norm set named &quot;%1&quot; is saved already. Replace it?</source>
        <translation>Un jeu de normes nommé «&#xa0;%1&#xa0;» est déjà enregistré. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>raw %1</source>
        <translation>note brute %1</translation>
    </message>
    <message>
        <source>mean %1</source>
        <translation>moyenne %1</translation>
    </message>
    <message>
        <source>SD %1</source>
        <translation>ET %1</translation>
    </message>
    <message>
        <source>z %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>percentile %1</source>
        <translation>rang centile %1</translation>
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
        <translation>rang centile ajusté %1</translation>
    </message>
    <message>
        <source>z-CC %1 (95% CI %2 to %3)</source>
        <translation>z-CC %1 (IC à 95&#xa0;%&#xa0;: %2 à %3)</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>inversé</translation>
    </message>
    <message>
        <source>Save norm set</source>
        <translation>Enregistrer le jeu de normes</translation>
    </message>
    <message>
        <source>Manage norm sets</source>
        <translation>Gérer les jeux de normes</translation>
    </message>
    <message>
        <source>norm set %1</source>
        <translation>jeu de normes %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmReliableChange</name>
    <message>
        <source>Reliable Change</source>
        <translation>Changement fiable</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Norms of the retest study</source>
        <translation>Données de l&apos;étude test-retest</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Test score</source>
        <translation>Note au test</translation>
    </message>
    <message>
        <source>The patient&apos;s score at the first testing</source>
        <translation>La note du patient à la première passation</translation>
    </message>
    <message>
        <source>Retest score</source>
        <translation>Note au retest</translation>
    </message>
    <message>
        <source>The patient&apos;s score at the retest</source>
        <translation>La note du patient au retest</translation>
    </message>
    <message>
        <source>Mean at test</source>
        <translation>Moyenne au test</translation>
    </message>
    <message>
        <source>The study&apos;s mean at the first testing; both means or neither (optional)</source>
        <translation>Moyenne de l&apos;étude à la première passation&#xa0;; les deux moyennes ou aucune (facultatif)</translation>
    </message>
    <message>
        <source>Mean at retest</source>
        <translation>Moyenne au retest</translation>
    </message>
    <message>
        <source>The study&apos;s mean at the retest; both means or neither (optional)</source>
        <translation>Moyenne de l&apos;étude au retest&#xa0;; les deux moyennes ou aucune (facultatif)</translation>
    </message>
    <message>
        <source>SD at test</source>
        <translation>Écart-type test</translation>
    </message>
    <message>
        <source>The study&apos;s standard deviation at the first testing</source>
        <translation>Écart-type de l&apos;étude à la première passation</translation>
    </message>
    <message>
        <source>SD at retest</source>
        <translation>Écart-type retest</translation>
    </message>
    <message>
        <source>The study&apos;s standard deviation at the retest (optional)</source>
        <translation>Écart-type de l&apos;étude au retest (facultatif)</translation>
    </message>
    <message>
        <source>Test–retest r</source>
        <translation>r test-retest</translation>
    </message>
    <message>
        <source>The correlation between test and retest, greater than 0 and less than 1</source>
        <translation>La corrélation entre test et retest, supérieure à 0 et inférieure à 1</translation>
    </message>
    <message>
        <source>Sample size n</source>
        <translation>Effectif n</translation>
    </message>
    <message>
        <source>The number of people in the study, from 3 to 9999 (optional)</source>
        <translation>Le nombre de personnes de l&apos;étude, de 3 à 9999 (facultatif)</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confiance</translation>
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
        <translation>Confiance à 90&#xa0;%, bilatéral</translation>
    </message>
    <message>
        <source>95% confidence, two-tailed</source>
        <translation>Confiance à 95&#xa0;%, bilatéral</translation>
    </message>
    <message>
        <source>Reverse (low scores are good)</source>
        <translation>Inversé (note basse = meilleure)</translation>
    </message>
    <message>
        <source>Check this box when lower scores mean better performance (e.g., errors; reaction times): a lower retest score is then an improvement</source>
        <translation>Cochez cette case quand une note plus basse signifie une meilleure performance (p. ex. erreurs, temps de réaction)&#xa0;: une note plus basse au retest est alors une amélioration</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Expected retest</source>
        <translation>Retest attendu</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>Err. type</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistique</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>No reliable change</source>
        <translation>Sans changement fiable</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Conclusion</translation>
    </message>
    <message>
        <source>The retest score expected from the test score</source>
        <translation>La note au retest attendue à partir de la note au test</translation>
    </message>
    <message>
        <source>Standard error of the difference</source>
        <translation>Erreur-type de la différence</translation>
    </message>
    <message>
        <source>z, or t with its degrees of freedom</source>
        <translation>z, ou t avec ses degrés de liberté</translation>
    </message>
    <message>
        <source>Two-tailed probability</source>
        <translation>Probabilité bilatérale</translation>
    </message>
    <message>
        <source>Retest scores in this range are no reliable change at the chosen confidence</source>
        <translation>Une note au retest dans cet intervalle ne constitue pas un changement fiable au seuil de confiance choisi</translation>
    </message>
    <message>
        <source>t %1 (%2 df)</source>
        <translation>t %1 (%2 ddl)</translation>
    </message>
    <message>
        <source>z %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>confiance à %1&#xa0;%</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>inversé</translation>
    </message>
    <message>
        <source>%1: %2 (%3, p %4)</source>
        <translation>%1&#xa0;: %2 (%3, p %4)</translation>
    </message>
    <message>
        <source>%1: expected retest score %2, SE %3; %4, p %5; range of no reliable change: %6; %7</source>
        <translation>%1&#xa0;: note attendue au retest %2, err. type %3&#xa0;; %4, p %5&#xa0;; plage sans changement fiable&#xa0;: %6&#xa0;; %7</translation>
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
        <source>converts to</source>
        <translation>se convertit en</translation>
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
    <name>modVelmora::frmScoreDifference</name>
    <message>
        <source>Score Difference</source>
        <translation>Différence de notes</translation>
    </message>
    <message>
        <source>Compare the two scores</source>
        <translation>Comparer les deux notes</translation>
    </message>
    <message>
        <source>Against the test&apos;s norms</source>
        <translation>Aux normes du test</translation>
    </message>
    <message>
        <source>Two scores of one battery: is their difference larger than the tests&apos; unreliability explains, and how often does the norm sample show one as large?</source>
        <translation>Deux notes d&apos;une même batterie : leur différence dépasse-t-elle ce qu&apos;explique le manque de fidélité des tests, et à quelle fréquence l&apos;échantillon normatif en montre-t-il une aussi grande ?</translation>
    </message>
    <message>
        <source>Against a control sample</source>
        <translation>À un échantillon de contrôle</translation>
    </message>
    <message>
        <source>A single case against a small control sample: Crawford and Garthwaite&apos;s revised standardized difference test, the usual test of a dissociation</source>
        <translation>Un cas unique face à un petit échantillon de contrôle : le test de différence standardisé révisé de Crawford et Garthwaite, le test habituel d&apos;une dissociation</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Score X</source>
        <translation>Note X</translation>
    </message>
    <message>
        <source>The patient&apos;s first score, on the scale chosen</source>
        <translation>La première note du patient, sur l&apos;échelle choisie</translation>
    </message>
    <message>
        <source>Score Y</source>
        <translation>Note Y</translation>
    </message>
    <message>
        <source>The patient&apos;s second score, on the same scale</source>
        <translation>La deuxième note du patient, sur la même échelle</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Norms</source>
        <translation>Normes</translation>
    </message>
    <message>
        <source>Reliability of X</source>
        <translation>Fidélité de X</translation>
    </message>
    <message>
        <source>The reliability of the test of score X, greater than 0 and less than 1</source>
        <translation>La fidélité du test de la note X, supérieure à 0 et inférieure à 1</translation>
    </message>
    <message>
        <source>Reliability of Y</source>
        <translation>Fidélité de Y</translation>
    </message>
    <message>
        <source>The reliability of the test of score Y, greater than 0 and less than 1</source>
        <translation>La fidélité du test de la note Y, supérieure à 0 et inférieure à 1</translation>
    </message>
    <message>
        <source>Correlation r</source>
        <translation>Corrélation r</translation>
    </message>
    <message>
        <source>The correlation of the two scores in the norm sample, greater than -1 and less than 1</source>
        <translation>La corrélation des deux notes dans l&apos;échantillon normatif, supérieure à -1 et inférieure à 1</translation>
    </message>
    <message>
        <source>The patient&apos;s score on task X</source>
        <translation>La note du patient à la tâche X</translation>
    </message>
    <message>
        <source>The patient&apos;s score on task Y</source>
        <translation>La note du patient à la tâche Y</translation>
    </message>
    <message>
        <source>Control sample</source>
        <translation>Échantillon de contrôle</translation>
    </message>
    <message>
        <source>Mean of X</source>
        <translation>Moyenne de X</translation>
    </message>
    <message>
        <source>The controls&apos; mean on task X</source>
        <translation>La moyenne des contrôles à la tâche X</translation>
    </message>
    <message>
        <source>SD of X</source>
        <translation>Écart-type X</translation>
    </message>
    <message>
        <source>The controls&apos; standard deviation on task X, greater than 0</source>
        <translation>L&apos;écart-type des contrôles à la tâche X, supérieur à 0</translation>
    </message>
    <message>
        <source>Mean of Y</source>
        <translation>Moyenne de Y</translation>
    </message>
    <message>
        <source>The controls&apos; mean on task Y</source>
        <translation>La moyenne des contrôles à la tâche Y</translation>
    </message>
    <message>
        <source>SD of Y</source>
        <translation>Écart-type Y</translation>
    </message>
    <message>
        <source>The controls&apos; standard deviation on task Y, greater than 0</source>
        <translation>L&apos;écart-type des contrôles à la tâche Y, supérieur à 0</translation>
    </message>
    <message>
        <source>The correlation of X and Y in the controls, greater than -1 and less than 1</source>
        <translation>La corrélation entre X et Y chez les contrôles, supérieure à -1 et inférieure à 1</translation>
    </message>
    <message>
        <source>Controls n</source>
        <translation>Contrôles n</translation>
    </message>
    <message>
        <source>The number of controls, from 3 to 9999</source>
        <translation>Le nombre de sujets contrôles, de 3 à 9999</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confiance</translation>
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
        <translation>Confiance à 90&#xa0;%, bilatéral</translation>
    </message>
    <message>
        <source>95% confidence, two-tailed</source>
        <translation>Confiance à 95&#xa0;%, bilatéral</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Difference X − Y</source>
        <translation>Différence X − Y</translation>
    </message>
    <message>
        <source>Critical difference (%1%)</source>
        <translation>Différence critique (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Base rate, same direction</source>
        <translation>Taux de base, même sens</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Base rate, either direction</source>
        <translation>Taux de base, dans les deux sens</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Conclusion</translation>
    </message>
    <message>
        <source>The difference of the two scores</source>
        <translation>La différence des deux notes</translation>
    </message>
    <message>
        <source>The smallest difference larger than the tests&apos; unreliability explains at %1% confidence</source>
        <translation>La plus petite différence qui dépasse, avec une confiance de %1&#xa0;%, ce qu&apos;explique le manque de fidélité des tests</translation>
    </message>
    <message>
        <source>The percentage of the norm sample with a difference at least this large in the same direction</source>
        <translation>Le pourcentage de l&apos;échantillon normatif ayant une différence au moins aussi grande dans le même sens</translation>
    </message>
    <message>
        <source>The percentage of the norm sample with a difference at least this large in either direction</source>
        <translation>Le pourcentage de l&apos;échantillon normatif ayant une différence au moins aussi grande dans un sens ou dans l&apos;autre</translation>
    </message>
    <message>
        <source>z of X</source>
        <translation>z de X</translation>
    </message>
    <message>
        <source>z of Y</source>
        <translation>z de Y</translation>
    </message>
    <message>
        <source>Z-DCC</source>
        <translation>Z-DCC</translation>
    </message>
    <message>
        <source>Revised standardized difference test</source>
        <translation>Test de différence standardisé révisé</translation>
    </message>
    <message>
        <source>t %1 (%2 df)</source>
        <translation>t %1 (%2 ddl)</translation>
    </message>
    <message>
        <source>p, two-tailed</source>
        <translation>p, bilatéral</translation>
    </message>
    <message>
        <source>Controls more extreme</source>
        <translation>Contrôles plus extrêmes</translation>
    </message>
    <message>
        <source>The patient&apos;s score X against the controls&apos; mean and SD</source>
        <translation>La note X du patient rapportée à la moyenne et à l&apos;écart-type des contrôles</translation>
    </message>
    <message>
        <source>The patient&apos;s score Y against the controls&apos; mean and SD</source>
        <translation>La note Y du patient rapportée à la moyenne et à l&apos;écart-type des contrôles</translation>
    </message>
    <message>
        <source>The effect size: the difference of the two z-scores, standardized</source>
        <translation>La taille d&apos;effet : la différence standardisée des deux notes z</translation>
    </message>
    <message>
        <source>Crawford and Garthwaite (2005): t on n - 1 degrees of freedom</source>
        <translation>Crawford et Garthwaite (2005) : t à n - 1 degrés de liberté</translation>
    </message>
    <message>
        <source>Two-tailed probability</source>
        <translation>Probabilité bilatérale</translation>
    </message>
    <message>
        <source>The percentage of controls expected to show a more extreme difference in the same direction</source>
        <translation>Le pourcentage de sujets contrôles susceptibles de présenter une différence plus extrême dans le même sens</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>confiance à %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmScoreInterval</name>
    <message>
        <source>Score Interval</source>
        <translation>Intervalle de confiance</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Reliability</source>
        <translation>Fidélité</translation>
    </message>
    <message>
        <source>The test&apos;s reliability coefficient, greater than 0 and less than 1</source>
        <translation>Le coefficient de fidélité du test, supérieur à 0 et inférieur à 1</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confiance</translation>
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
        <translation>Centre</translation>
    </message>
    <message>
        <source>The interval around the score as obtained, from the standard error of measurement</source>
        <translation>L&apos;intervalle autour de la note obtenue, à partir de l&apos;erreur-type de mesure</translation>
    </message>
    <message>
        <source>The interval around the estimated true score, which lies nearer the mean, from the standard error of estimation</source>
        <translation>L&apos;intervalle autour de la note vraie estimée, plus proche de la moyenne, à partir de l&apos;erreur-type d&apos;estimation</translation>
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
        <translation>Équivalent de courbe normale&#xa0;: 1 à 99, intervalles égaux, moyenne 50</translation>
    </message>
    <message>
        <source>Standard nine: 1 to 9, mean 5, SD 2</source>
        <translation>Stanine (neuf classes standard)&#xa0;: 1 à 9, moyenne 5, écart-type 2</translation>
    </message>
    <message>
        <source>Standard ten: 1 to 10, SD 2</source>
        <translation>Sten (dix classes standard)&#xa0;: 1 à 10, écart-type 2</translation>
    </message>
    <message>
        <source>Confidence interval</source>
        <translation>Intervalle de confiance</translation>
    </message>
    <message>
        <source>Confidence interval in percentiles</source>
        <translation>Intervalle de confiance en rangs centiles</translation>
    </message>
    <message>
        <source>Copy interval to clipboard</source>
        <translation>Copier l&apos;intervalle dans le presse-papiers</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentiles and z-scores (see Instructions)</source>
        <translation>Définir le nombre de décimales des rangs centiles et des notes z (voir le mode d&apos;emploi)</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copier l&apos;&amp;image</translation>
    </message>
    <message>
        <source>Copy the bell curve to the clipboard</source>
        <translation>Copier la courbe de Gauss dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>En&amp;registrer l&apos;image…</translation>
    </message>
    <message>
        <source>Save the bell curve as a PNG or SVG file</source>
        <translation>Enregistrer la courbe de Gauss en fichier PNG ou SVG</translation>
    </message>
    <message>
        <source>%1% CI %2 to %3</source>
        <translation>IC à %1&#xa0;%&#xa0;: %2 à %3</translation>
    </message>
    <message>
        <source>Percentiles %1 to %2</source>
        <translation>Rangs centiles %1 à %2</translation>
    </message>
    <message>
        <source>Estimated true score %1</source>
        <translation>Note vraie estimée %1</translation>
    </message>
    <message>
        <source>Bell curve: %1 %2, %3.</source>
        <translation>Courbe de Gauss&#xa0;: %1&#xa0;%2, %3.</translation>
    </message>
    <message>
        <source>Bell curve: %1 %2, %3, %4.</source>
        <translation>Courbe de Gauss&#xa0;: %1&#xa0;%2, %3, %4.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>bell curve.png</source>
        <translation>courbe de Gauss.png</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>Image PNG (*.png);;Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>reliability %1</source>
        <translation>fidélité %1</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>confiance à %1&#xa0;%</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmScoreProfile</name>
    <message>
        <source>Score Profile</source>
        <translation>Profil des notes</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confiance</translation>
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
        <translation>Centre</translation>
    </message>
    <message>
        <source>The interval around the score as obtained, from the standard error of measurement</source>
        <translation>L&apos;intervalle autour de la note obtenue, à partir de l&apos;erreur-type de mesure</translation>
    </message>
    <message>
        <source>The interval around the estimated true score, which lies nearer the mean, from the standard error of estimation</source>
        <translation>L&apos;intervalle autour de la note vraie estimée, plus proche de la moyenne, à partir de l&apos;erreur-type d&apos;estimation</translation>
    </message>
    <message>
        <source>Type the scores or paste rows from a spreadsheet:
Test, Score, Scale and, for the interval, Reliability.</source>
        <translation>Saisissez les notes ou collez des lignes d&apos;un tableur&#xa0;:
Test, Note, Échelle et, pour l&apos;intervalle, Fidélité.</translation>
    </message>
    <message>
        <source>Scores of the profile</source>
        <translation>Notes du profil</translation>
    </message>
    <message>
        <source>Delete removes the selected rows; Ctrl+Z takes back the last change</source>
        <translation>Suppr retire les lignes sélectionnées&#xa0;; Ctrl+Z annule la dernière modification</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentiles (see Instructions)</source>
        <translation>Définir le nombre de décimales des rangs centiles (voir le mode d&apos;emploi)</translation>
    </message>
    <message>
        <source>A&amp;dd to Session</source>
        <translation>A&amp;jouter à la session</translation>
    </message>
    <message>
        <source>Add each computed row to the session, with its test&apos;s name</source>
        <translation>Ajouter chaque ligne calculée à la session, avec le nom de son test</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copier l&apos;&amp;image</translation>
    </message>
    <message>
        <source>Copy the profile to the clipboard</source>
        <translation>Copier le profil dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>En&amp;registrer l&apos;image…</translation>
    </message>
    <message>
        <source>Save the profile as a PNG or SVG file</source>
        <translation>Enregistrer le profil en fichier PNG ou SVG</translation>
    </message>
    <message>
        <source>No row is computed yet.</source>
        <translation>Aucune ligne n&apos;est encore calculée.</translation>
    </message>
    <message>
        <source>Score profile (one line a test): %1.</source>
        <translation>Profil des notes (une ligne par test)&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The table holds %1 rows: %2 pasted rows found no room and were left out.</source>
        <translation>Le tableau contient %1 lignes&#xa0;: %2 lignes collées ne tenaient plus et ont été laissées de côté.</translation>
    </message>
    <message>
        <source>reliability %1</source>
        <translation>fidélité %1</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>confiance à %1&#xa0;%</translation>
    </message>
    <message>
        <source>Rows added to the session: %1.</source>
        <translation>Lignes ajoutées à la session&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>score profile.png</source>
        <translation>profil des notes.png</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>Image PNG (*.png);;Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmSession</name>
    <message>
        <source>Session - Velmora</source>
        <translation>Session - Velmora</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Session results</source>
        <translation>Résultats de la session</translation>
    </message>
    <message>
        <source>Type a test&apos;s name in its row&apos;s Test cell (F2). Delete removes the rows selected.</source>
        <translation>Saisissez le nom d&apos;un test dans la cellule Test de sa ligne (F2). Suppr supprime les lignes sélectionnées.</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>&amp;Copier le tableau</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print the table</source>
        <translation>Imprimer le tableau</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>Save the table as a PDF document</source>
        <translation>Enregistrer le tableau en document PDF</translation>
    </message>
    <message>
        <source>De&amp;lete Rows</source>
        <translation>&amp;Supprimer les lignes</translation>
    </message>
    <message>
        <source>Delete the rows selected (Delete)</source>
        <translation>Supprimer les lignes sélectionnées (Suppr)</translation>
    </message>
    <message>
        <source>Cl&amp;ear Session…</source>
        <translation>&amp;Vider la session…</translation>
    </message>
    <message>
        <source>Delete every row of the session</source>
        <translation>Supprimer toutes les lignes de la session</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close this window (Esc); the session is kept</source>
        <translation>Fermer cette fenêtre (Échap)&#xa0;; la session est conservée</translation>
    </message>
    <message>
        <source>Velmora session, %1 (Velmora %2)</source>
        <translation>Session Velmora, %1 (Velmora %2)</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Enregistrer la session</translation>
    </message>
    <message>
        <source>session.csv</source>
        <translation>session.csv</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>session.pdf</source>
        <translation>session.pdf</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Velmora session</source>
        <translation>Session Velmora</translation>
    </message>
    <message>
        <source>The session could not be saved to %1: %2.</source>
        <translation>La session n&apos;a pas pu être enregistrée dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The PDF could not be saved to %1: %2.</source>
        <translation>Le PDF n&apos;a pas pu être enregistré dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Copy the rows selected, or all, as a table to paste into a report or a spreadsheet</source>
        <translation>Copier les lignes sélectionnées, ou toutes, sous forme de tableau à coller dans un compte rendu ou un tableur</translation>
    </message>
    <message>
        <source>Copy Se&amp;ntences</source>
        <translation>Copier les &amp;phrases</translation>
    </message>
    <message>
        <source>Copy the rows selected, or all, as a report&apos;s sentences, one a row</source>
        <translation>Copier les lignes sélectionnées, ou toutes, sous forme de phrases de compte rendu, une par ligne</translation>
    </message>
    <message>
        <source>Save the rows selected, or all, as a CSV file for a spreadsheet or for velmora-cli</source>
        <translation>Enregistrer les lignes sélectionnées, ou toutes, dans un fichier CSV pour un tableur ou pour velmora-cli</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV pour tableur (*.csv)</translation>
    </message>
    <message>
        <source>CSV for velmora-cli (*.csv)</source>
        <translation>CSV pour velmora-cli (*.csv)</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>An identifier of the patient of your own choosing, at most %1 characters; it may stay empty</source>
        <translation>Un identifiant du patient de votre choix, %1&#xa0;caractères au plus&#xa0;; il peut rester vide</translation>
    </message>
    <message>
        <source>Patients</source>
        <translation>Patients</translation>
    </message>
    <message>
        <source>The session&apos;s patients, newest first: choose one to see its results</source>
        <translation>Les patients de la session, le plus récent d&apos;abord&#xa0;: choisissez-en un pour voir ses résultats</translation>
    </message>
    <message>
        <source>Start the next patient: the results from now on go to that patient (Ctrl+N)</source>
        <translation>Commencer le patient suivant&#xa0;: les résultats iront désormais à ce patient (Ctrl+N)</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Patient %1</translation>
    </message>
    <message>
        <source>Pa&amp;tient:</source>
        <translation>Pa&amp;tient&#xa0;:</translation>
    </message>
    <message>
        <source>Ne&amp;w Patient</source>
        <translation>&amp;Nouveau patient</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last deletion, clearing or test&apos;s name (Ctrl+Z)</source>
        <translation>Annuler la dernière suppression, le dernier vidage ou le dernier nom de test (Ctrl+Z)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Do again what was undone (Ctrl+Shift+Z or Ctrl+Y)</source>
        <translation>Rétablir ce qui a été annulé (Ctrl+Maj+Z ou Ctrl+Y)</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n results of the session, of every patient? Undo brings them back.</source>
        <translation>
            <numerusform>Supprimer le résultat de la session, pour tous les patients&#xa0;? «&#xa0;Annuler&#xa0;» le rétablit.</numerusform>
            <numerusform>Supprimer les %n résultats de la session, pour tous les patients&#xa0;? «&#xa0;Annuler&#xa0;» les rétablit.</numerusform>
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
