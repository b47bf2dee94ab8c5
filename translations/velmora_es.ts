<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>modVelmora::BellCurve</name>
    <message>
        <source>Bell curve</source>
        <translation>Curva de campana</translation>
    </message>
    <message>
        <source>the picture could not be drawn as PNG or SVG</source>
        <translation>no se ha podido dibujar la imagen en PNG ni en SVG</translation>
    </message>
</context>
<context>
    <name>modVelmora::Change</name>
    <message>
        <source>Jacobson &amp; Truax (1991)</source>
        <translation>Jacobson y Truax (1991)</translation>
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
        <translation>Crawford y Garthwaite (2007)</translation>
    </message>
    <message>
        <source>Reliable improvement</source>
        <translation>Mejoría fiable</translation>
    </message>
    <message>
        <source>Reliable decline</source>
        <translation>Empeoramiento fiable</translation>
    </message>
    <message>
        <source>No reliable change</source>
        <translation>Sin cambio fiable</translation>
    </message>
</context>
<context>
    <name>modVelmora::Difference</name>
    <message>
        <source>No significant difference</source>
        <translation>Sin diferencia significativa</translation>
    </message>
    <message>
        <source>Significant difference</source>
        <translation>Diferencia significativa</translation>
    </message>
</context>
<context>
    <name>modVelmora::Interval</name>
    <message>
        <source>Obtained score</source>
        <translation>Puntuación obtenida</translation>
    </message>
    <message>
        <source>Estimated true score</source>
        <translation>Puntuación verdadera estimada</translation>
    </message>
</context>
<context>
    <name>modVelmora::Labels</name>
    <message>
        <source>Exceptionally high score</source>
        <translation>Puntuación excepcionalmente alta</translation>
    </message>
    <message>
        <source>Extremely high</source>
        <translation>Extremadamente alto</translation>
    </message>
    <message>
        <source>Above average score</source>
        <translation>Puntuación superior a la media</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Muy alto</translation>
    </message>
    <message>
        <source>High average score</source>
        <translation>Puntuación media-alta</translation>
    </message>
    <message>
        <source>High average</source>
        <translation>Medio-alto</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Puntuación media</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Low average score</source>
        <translation>Puntuación media-baja</translation>
    </message>
    <message>
        <source>Low average</source>
        <translation>Medio-bajo</translation>
    </message>
    <message>
        <source>Below average score</source>
        <translation>Puntuación inferior a la media</translation>
    </message>
    <message>
        <source>Very low</source>
        <translation>Muy bajo</translation>
    </message>
    <message>
        <source>Exceptionally low score</source>
        <translation>Puntuación excepcionalmente baja</translation>
    </message>
    <message>
        <source>Extremely low</source>
        <translation>Extremadamente bajo</translation>
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
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Descriptive label</source>
        <translation>Categoría descriptiva</translation>
    </message>
    <message>
        <source>Standard score %1: %2 (%3)</source>
        <translation>Puntuación compuesta %1: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>modVelmora::Messages</name>
    <message>
        <source>Invalid Date</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>The test date cannot be less than the birth date.</source>
        <translation>La fecha de evaluación no puede ser anterior a la fecha de nacimiento.</translation>
    </message>
    <message>
        <source>Error.</source>
        <translation>Error.</translation>
    </message>
    <message>
        <source>Cannot divide by 0.</source>
        <translation>No se puede dividir entre 0.</translation>
    </message>
    <message>
        <source>Please enter a percentile that is greater than 0 and less than 100.</source>
        <translation>Introduzca un percentil mayor que 0 y menor que 100.</translation>
    </message>
    <message>
        <source>Scaled score values must be between 1 and 20</source>
        <translation>Las puntuaciones escalares deben estar entre 1 y 20.</translation>
    </message>
    <message>
        <source>Please enter a raw score.</source>
        <translation>Introduzca una puntuación directa.</translation>
    </message>
    <message>
        <source>Please enter the sample mean.</source>
        <translation>Introduzca la media de la muestra.</translation>
    </message>
    <message>
        <source>Please enter the sample standard deviation.</source>
        <translation>Introduzca la desviación típica de la muestra.</translation>
    </message>
    <message>
        <source>The standard deviation cannot equal zero.</source>
        <translation>La desviación típica no puede ser igual a cero.</translation>
    </message>
    <message>
        <source>Please enter the size of the normative sample.</source>
        <translation>Introduzca el tamaño de la muestra normativa.</translation>
    </message>
    <message>
        <source>The normative sample size must be greater than 1.</source>
        <translation>El tamaño de la muestra normativa debe ser mayor que 1.</translation>
    </message>
    <message>
        <source>The normative sample size must be at most 9999.</source>
        <translation>El tamaño de la muestra normativa debe ser como máximo 9999.</translation>
    </message>
    <message>
        <source>Please enter the gestation as weeks or weeks+days, for example 30+2.</source>
        <translation>Introduzca la edad gestacional en semanas o semanas+días, por ejemplo 30+2.</translation>
    </message>
    <message>
        <source>before the due date</source>
        <translation>antes de la fecha prevista</translation>
    </message>
    <message>
        <source>not corrected (born at term)</source>
        <translation>no procede (nacido/a a término)</translation>
    </message>
    <message>
        <source>Please enter the test score.</source>
        <translation>Introduzca la puntuación del test.</translation>
    </message>
    <message>
        <source>Please enter the retest score.</source>
        <translation>Introduzca la puntuación del retest.</translation>
    </message>
    <message>
        <source>Please enter both means of the retest study, or neither.</source>
        <translation>Introduzca las dos medias del estudio test-retest, o ninguna.</translation>
    </message>
    <message>
        <source>Please enter the SD at test.</source>
        <translation>Introduzca la DT del test.</translation>
    </message>
    <message>
        <source>The SD at test must be greater than 0.</source>
        <translation>La DT del test debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>The SD at retest must be greater than 0.</source>
        <translation>La DT del retest debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Please enter a test–retest correlation greater than 0 and less than 1.</source>
        <translation>Introduzca una correlación test-retest mayor que 0 y menor que 1.</translation>
    </message>
    <message>
        <source>The size of the retest sample must be from 3 to 9999.</source>
        <translation>El tamaño de la muestra test-retest debe estar entre 3 y 9999.</translation>
    </message>
    <message>
        <source>Please enter a reliability greater than 0 and less than 1.</source>
        <translation>Introduzca una fiabilidad mayor que 0 y menor que 1.</translation>
    </message>
    <message>
        <source>The file is empty: its first line must name the columns name, mean and sd.</source>
        <translation>El archivo está vacío: su primera línea debe nombrar las columnas name, mean y sd.</translation>
    </message>
    <message>
        <source>The file is larger than 16 MB, too large to hold norm sets.</source>
        <translation>El archivo supera los 16 MB, demasiado para contener baremos.</translation>
    </message>
    <message>
        <source>Line 1: the columns are separated by semicolons; norm sets are read with commas between the columns and a point in numbers.</source>
        <translation>Línea 1: las columnas están separadas por punto y coma; los baremos se leen con comas entre las columnas y un punto en los números.</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed, or a quote stands inside a field without quotes.</source>
        <translation>Línea %1: un campo entre comillas no está cerrado, o hay unas comillas dentro de un campo sin comillas.</translation>
    </message>
    <message>
        <source>Line %1: the text is not UTF-8; save the file as &quot;CSV UTF-8&quot;.</source>
        <translation>Línea %1: el texto no está en UTF-8; guarde el archivo como «CSV UTF-8».</translation>
    </message>
    <message>
        <source>Line %1: the row has more fields than the first line has columns.</source>
        <translation>Línea %1: la fila tiene más campos que columnas la primera línea.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Line %1: the name &quot;%2&quot; is given twice.</source>
        <translation>Línea %1: el nombre «%2» aparece dos veces.</translation>
    </message>
    <message>
        <source>A norm set needs a name.</source>
        <translation>Un baremo necesita un nombre.</translation>
    </message>
    <message>
        <source>A norm set&apos;s name cannot hold tabs, line breaks or other control characters.</source>
        <translation>El nombre de un baremo no puede contener tabuladores, saltos de línea ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>The mean is missing.</source>
        <translation>Falta la media.</translation>
    </message>
    <message>
        <source>The mean must be a number of at most 8 characters, with a point for decimals: %1</source>
        <translation>La media debe ser un número de 8 caracteres como máximo, con un punto para los decimales: %1</translation>
    </message>
    <message>
        <source>The SD is missing.</source>
        <translation>Falta la DT.</translation>
    </message>
    <message>
        <source>The SD must be a number greater than 0, of at most 8 characters, with a point for decimals: %1</source>
        <translation>La DT debe ser un número mayor que 0, de 8 caracteres como máximo, con un punto para los decimales: %1</translation>
    </message>
    <message>
        <source>n must be empty or a whole number from 2 to 9999: %1</source>
        <translation>n debe estar vacío o ser un número entero de 2 a 9999: %1</translation>
    </message>
    <message>
        <source>reverse must be 0 or 1, true or false, yes or no: %1</source>
        <translation>reverse debe ser 0 o 1, true o false, yes o no: %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se ha podido escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>The norm sets file was damaged and has been kept as %1; the list of norm sets starts empty. %2</source>
        <translation>El archivo de baremos estaba dañado y se ha conservado como %1; la lista de baremos empieza vacía. %2</translation>
    </message>
    <message>
        <source>The norm sets file %1 is damaged and could not be set aside (%2); no norm set can be saved until it is mended or removed. %3</source>
        <translation>El archivo de baremos %1 está dañado y no se ha podido apartar (%2); no se puede guardar ningún baremo hasta que se repare o se elimine. %3</translation>
    </message>
    <message>
        <source>%1 No norm set can be saved until it can be read.</source>
        <translation>%1 No se puede guardar ningún baremo hasta que se pueda leer.</translation>
    </message>
    <message>
        <source>Nothing was changed. %1</source>
        <translation>No se ha cambiado nada. %1</translation>
    </message>
    <message>
        <source>Nothing was imported from %1. %2</source>
        <translation>No se ha importado nada de %1. %2</translation>
    </message>
    <message>
        <source>There is no norm set named &quot;%1&quot;.</source>
        <translation>No hay ningún baremo llamado «%1».</translation>
    </message>
    <message>
        <source>There is already a norm set named &quot;%1&quot;.</source>
        <translation>Ya hay un baremo llamado «%1».</translation>
    </message>
    <message>
        <source>Please enter score X.</source>
        <translation>Introduzca la puntuación X.</translation>
    </message>
    <message>
        <source>Please enter score Y.</source>
        <translation>Introduzca la puntuación Y.</translation>
    </message>
    <message>
        <source>Scores on this scale are whole numbers: please enter them without decimals.</source>
        <translation>Las puntuaciones de esta escala son números enteros: introdúzcalas sin decimales.</translation>
    </message>
    <message>
        <source>Please enter the reliability of X.</source>
        <translation>Introduzca la fiabilidad de X.</translation>
    </message>
    <message>
        <source>Please enter the reliability of Y.</source>
        <translation>Introduzca la fiabilidad de Y.</translation>
    </message>
    <message>
        <source>The reliability of X must be greater than 0 and less than 1.</source>
        <translation>La fiabilidad de X debe ser mayor que 0 y menor que 1.</translation>
    </message>
    <message>
        <source>The reliability of Y must be greater than 0 and less than 1.</source>
        <translation>La fiabilidad de Y debe ser mayor que 0 y menor que 1.</translation>
    </message>
    <message>
        <source>Please enter the correlation of X and Y.</source>
        <translation>Introduzca la correlación entre X e Y.</translation>
    </message>
    <message>
        <source>The correlation of X and Y must be greater than -1 and less than 1.</source>
        <translation>La correlación entre X e Y debe ser mayor que -1 y menor que 1.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; mean on X.</source>
        <translation>Introduzca la media de los controles en X.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; mean on Y.</source>
        <translation>Introduzca la media de los controles en Y.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; SD on X.</source>
        <translation>Introduzca la DT de los controles en X.</translation>
    </message>
    <message>
        <source>Please enter the controls&apos; SD on Y.</source>
        <translation>Introduzca la DT de los controles en Y.</translation>
    </message>
    <message>
        <source>The controls&apos; SD on X must be greater than 0.</source>
        <translation>La DT de los controles en X debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>The controls&apos; SD on Y must be greater than 0.</source>
        <translation>La DT de los controles en Y debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Please enter the number of controls.</source>
        <translation>Introduzca el número de controles.</translation>
    </message>
    <message>
        <source>The number of controls must be from 3 to 9999.</source>
        <translation>El número de controles debe estar entre 3 y 9999.</translation>
    </message>
    <message>
        <source>The standard deviation cannot be negative.</source>
        <translation>La desviación típica no puede ser negativa.</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cuota de disco superada</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>No such file or folder</source>
        <translation>No existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>A part of the path is not a folder</source>
        <translation>Una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Please enter a score.</source>
        <translation>Introduzca una puntuación.</translation>
    </message>
    <message>
        <source>The score is not a number.</source>
        <translation>La puntuación no es un número.</translation>
    </message>
    <message>
        <source>Please choose the score&apos;s scale.</source>
        <translation>Elija la escala de la puntuación.</translation>
    </message>
    <message>
        <source>The scale is none of Percentile, Scaled Score, Standard Score, T-Score and Z-Score.</source>
        <translation>La escala no es ninguna de estas: percentil, puntuación escalar, puntuación compuesta, puntuación T o puntuación z.</translation>
    </message>
    <message>
        <source>The reliability is not a number.</source>
        <translation>La fiabilidad no es un número.</translation>
    </message>
    <message>
        <source>The score is too large to convert.</source>
        <translation>La puntuación es demasiado grande para convertirla.</translation>
    </message>
    <message>
        <source>Line 1: there is no column &quot;%1&quot;; the first line must name the columns name, mean and sd (n, reverse, source, ages and notes may follow).</source>
        <translation>Línea 1: no hay ninguna columna «%1»; la primera línea debe nombrar las columnas name, mean y sd (pueden seguir n, reverse, source, ages y notes).</translation>
    </message>
    <message>
        <source>A norm set&apos;s source, ages and notes cannot hold tabs, line breaks or other control characters.</source>
        <translation>La fuente, las edades y las notas de un baremo no pueden contener tabuladores, saltos de línea ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>The result is out of range.</source>
        <translation>El resultado está fuera del rango que se puede mostrar.</translation>
    </message>
</context>
<context>
    <name>modVelmora::ModuleWindow</name>
    <message>
        <source>Raw to Percentile</source>
        <translation>Puntuación directa a percentil</translation>
    </message>
    <message>
        <source>Score Converter</source>
        <translation>Convertir puntuaciones</translation>
    </message>
    <message>
        <source>Age Calculator</source>
        <translation>Calculadora de edad</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Módulo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Descriptive Labels</source>
        <translation>&amp;Categorías descriptivas</translation>
    </message>
    <message>
        <source>The manual could not be opened: no program for PDF documents was found. It is at %1</source>
        <translation>No se ha podido abrir el manual: no se ha encontrado ningún programa para documentos PDF. Se encuentra en %1</translation>
    </message>
    <message>
        <source>Score Interval</source>
        <translation>Intervalo de confianza</translation>
    </message>
    <message>
        <source>Reliable Change</source>
        <translation>Cambio fiable</translation>
    </message>
    <message>
        <source>&amp;Session…</source>
        <translation>Ses&amp;ión…</translation>
    </message>
    <message>
        <source>Sess&amp;ion…</source>
        <translation>Se&amp;sión…</translation>
    </message>
    <message>
        <source>Show the session: every result calculated, in one table (Ctrl+Shift+S)</source>
        <translation>Mostrar la sesión: todos los resultados calculados, en una tabla (Ctrl+Mayús+S)</translation>
    </message>
    <message>
        <source>Score Difference</source>
        <translation>Diferencia de puntuaciones</translation>
    </message>
    <message>
        <source>Score Profile</source>
        <translation>Perfil de puntuaciones</translation>
    </message>
</context>
<context>
    <name>modVelmora::OutOfDateResults</name>
    <message>
        <source>Out of date: an entry has changed since Calculate.</source>
        <translation>Desactualizado: una entrada ha cambiado desde el cálculo.</translation>
    </message>
    <message>
        <source>Out of date: press Calculate before copying.</source>
        <translation>No actualizado: pulse Calcular antes de copiar.</translation>
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
        <translation>No se ha podido imprimir el documento en %1: %2.</translation>
    </message>
</context>
<context>
    <name>modVelmora::ProfileChart</name>
    <message>
        <source>Score profile</source>
        <translation>Perfil de puntuaciones</translation>
    </message>
    <message>
        <source>Standard Score</source>
        <translation>P. compuesta</translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Percentil</translation>
    </message>
</context>
<context>
    <name>modVelmora::ProfileTable</name>
    <message>
        <source>%1, row %2</source>
        <translation>%1, fila %2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punt.</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Reliability</source>
        <translation>Fiabilidad</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>percentile %1</source>
        <translation>percentil %1</translation>
    </message>
    <message>
        <source>standard score %1</source>
        <translation>puntuación compuesta %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>modVelmora::Program</name>
    <message numerus="yes">
        <source>The results of this session (%n) could not be kept on disk, and go when the program ends. Save them as a CSV file first?</source>
        <translation>
            <numerusform>El resultado de esta sesión no se pudo conservar en el disco y se perderá al cerrar el programa. ¿Guardarlo antes como archivo CSV?</numerusform>
            <numerusform>Los %n resultados de esta sesión no se pudieron conservar en el disco y se perderán al cerrar el programa. ¿Guardarlos antes como archivo CSV?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>modVelmora::Report</name>
    <message>
        <source>%1 months %2 days</source>
        <translation>%1 meses %2 días</translation>
    </message>
    <message>
        <source>age %1 (%2)</source>
        <translation>edad %1 (%2)</translation>
    </message>
    <message>
        <source>corrected age %1 (%2)</source>
        <translation>edad corregida %1 (%2)</translation>
    </message>
    <message>
        <source>corrected age: %1</source>
        <translation>edad corregida: %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>t %1 (%2 df)</source>
        <translation>t %1 (%2 gl)</translation>
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
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Percentil</translation>
    </message>
    <message>
        <source>Confidence interval</source>
        <translation>Intervalo de confianza</translation>
    </message>
    <message>
        <source>Descriptive label</source>
        <translation>Categoría descriptiva</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2 and %3</source>
        <translation>%1&#xa0;%2 y %3</translation>
    </message>
    <message>
        <source>difference %1, critical difference %2: %3; base rate %4% (%5% either direction)</source>
        <translation>diferencia %1, diferencia crítica %2: %3; tasa base %4&#xa0;% (%5&#xa0;% en cualquier dirección)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>z %1 and %2, Z-DCC %3, t %4 (%5 df), p %6: %7</source>
        <translation>z %1 y %2, Z-DCC %3, t %4 (%5 gl), p %6: %7</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 %2 (%3% CI %4)</source>
        <translation>%1&#xa0;%2 (IC %3&#xa0;%: %4)</translation>
    </message>
    <message>
        <source>%1% confidence, reliability %2</source>
        <translation>confianza del %1&#xa0;%, fiabilidad %2</translation>
    </message>
    <message>
        <source>around the estimated true score %1</source>
        <translation>en torno a la puntuación verdadera estimada %1</translation>
    </message>
    <message>
        <source>percentiles %1 to %2</source>
        <translation>percentiles %1 a %2</translation>
    </message>
    <message>
        <source>raw %1 (mean %2, SD %3)</source>
        <translation>directa %1 (media %2, DT %3)</translation>
    </message>
    <message>
        <source>t %1 against a normative sample of %2</source>
        <translation>t %1 con una muestra normativa de %2</translation>
    </message>
    <message>
        <source>z-CC %1 (95% CI %2 to %3)</source>
        <translation>z-CC %1 (IC 95&#xa0;%: %2 a %3)</translation>
    </message>
    <message>
        <source>low scores are good</source>
        <translation>las puntuaciones bajas son mejores</translation>
    </message>
    <message>
        <source>raw %1 (mean %2, SD %3, norm set %4)</source>
        <translation>directa %1 (media %2, DT %3, baremo %4)</translation>
    </message>
    <message>
        <source>norms from %1</source>
        <translation>baremo de %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::ResultControls</name>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Número de decimales</translation>
    </message>
</context>
<context>
    <name>modVelmora::ResultTable</name>
    <message>
        <source>Copy the results table to the clipboard</source>
        <translation>Copiar la tabla de resultados al portapapeles</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
</context>
<context>
    <name>modVelmora::Scales</name>
    <message>
        <source>Percentile</source>
        <translation>Percentil</translation>
    </message>
    <message>
        <source>Scaled Score</source>
        <translation>Punt. escalar</translation>
    </message>
    <message>
        <source>Standard Score</source>
        <translation>P. compuesta</translation>
    </message>
    <message>
        <source>T-Score</source>
        <translation>Punt. T</translation>
    </message>
    <message>
        <source>Z-Score</source>
        <translation>Punt. z</translation>
    </message>
    <message>
        <source>Percentage of the norm group scoring below this score</source>
        <translation>Porcentaje del grupo normativo con una puntuación inferior</translation>
    </message>
    <message>
        <source>Mean 10, SD 3: Wechsler subtests</source>
        <translation>Media 10, DT 3: pruebas de las escalas de Wechsler</translation>
    </message>
    <message>
        <source>Mean 100, SD 15: IQ and index scores (Wechsler, Stanford-Binet)</source>
        <translation>Media 100, DT 15: CI e índices (Wechsler, Stanford-Binet)</translation>
    </message>
    <message>
        <source>Mean 50, SD 10: demographically corrected norms (Heaton), MMPI and other personality and symptom scales</source>
        <translation>Media 50, DT 10: baremos corregidos por variables demográficas (Heaton), MMPI y otras escalas de personalidad y de síntomas</translation>
    </message>
    <message>
        <source>Mean 0, SD 1: the distance from the mean in standard deviations</source>
        <translation>Media 0, DT 1: la distancia a la media en desviaciones típicas</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>percentil</translation>
    </message>
    <message>
        <source>scaled score</source>
        <translation>puntuación escalar</translation>
    </message>
    <message>
        <source>standard score</source>
        <translation>puntuación típica</translation>
    </message>
    <message>
        <source>T-score</source>
        <translation>puntuación T</translation>
    </message>
    <message>
        <source>z-score</source>
        <translation>puntuación z</translation>
    </message>
</context>
<context>
    <name>modVelmora::SessionFile</name>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside: %2</source>
        <translation>%1 está dañado y no se pudo apartar: %2</translation>
    </message>
    <message>
        <source>there is no folder to keep the session in</source>
        <translation>no hay ninguna carpeta donde guardar la sesión</translation>
    </message>
    <message>
        <source>%1 is open in another Velmora (process %2 on %3); if that one is gone, delete %4</source>
        <translation>%1 está abierto en otro Velmora (proceso %2 en %3); si ese ya no está abierto, elimine %4</translation>
    </message>
    <message>
        <source>%1 could not be locked: its folder cannot be written</source>
        <translation>No se pudo bloquear %1: no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>it is larger than 256 MB</source>
        <translation>ocupa más de 256 MB</translation>
    </message>
    <message>
        <source>it does not continue %1</source>
        <translation>no continúa %1</translation>
    </message>
    <message>
        <source>it was not read, so it is not written over</source>
        <translation>no se leyó, así que no se sobrescribe</translation>
    </message>
    <message>
        <source>the row cannot be kept: %1</source>
        <translation>la fila no se puede conservar: %1</translation>
    </message>
    <message>
        <source>row %1 cannot be kept: %2</source>
        <translation>la fila %1 no se puede conservar: %2</translation>
    </message>
    <message>
        <source>not an object of entry, fields, module, results, test, time</source>
        <translation>no es un objeto de entry, fields, module, results, test, time</translation>
    </message>
    <message>
        <source>unexpected character</source>
        <translation>carácter inesperado</translation>
    </message>
    <message>
        <source>the text ends early</source>
        <translation>el texto termina antes de tiempo</translation>
    </message>
    <message>
        <source>a control character in a string</source>
        <translation>un carácter de control en una cadena</translation>
    </message>
    <message>
        <source>a bad \u escape</source>
        <translation>una secuencia de escape \u incorrecta</translation>
    </message>
    <message>
        <source>a bad escape</source>
        <translation>una secuencia de escape incorrecta</translation>
    </message>
    <message>
        <source>the text ends inside a string</source>
        <translation>el texto termina dentro de una cadena</translation>
    </message>
    <message>
        <source>not a value</source>
        <translation>no es un valor</translation>
    </message>
    <message>
        <source>a bad number</source>
        <translation>un número incorrecto</translation>
    </message>
    <message>
        <source>nested too deeply</source>
        <translation>anidado demasiado profundo</translation>
    </message>
    <message>
        <source>not a row number</source>
        <translation>no es un número de fila</translation>
    </message>
    <message>
        <source>not JSON: the text is not UTF-8</source>
        <translation>no es JSON: el texto no está en UTF-8</translation>
    </message>
    <message>
        <source>more after the end</source>
        <translation>más texto después del final</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>no es JSON: %1 en el byte %2</translation>
    </message>
    <message>
        <source>&quot;fields&quot; is not a list</source>
        <translation>«fields» no es una lista</translation>
    </message>
    <message>
        <source>a field that is not a pair of texts</source>
        <translation>un campo que no es un par de textos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text</source>
        <translation>«%1» no es un texto</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; is not one this program writes</source>
        <translation>la hora «%1» no es de las que escribe este programa</translation>
    </message>
    <message>
        <source>the time &quot;%1&quot; cannot be stored</source>
        <translation>la hora «%1» no se puede guardar</translation>
    </message>
    <message>
        <source>unknown module &quot;%1&quot;</source>
        <translation>módulo desconocido «%1»</translation>
    </message>
    <message>
        <source>a text that is not Unicode</source>
        <translation>un texto que no está en Unicode</translation>
    </message>
    <message>
        <source>the field name &quot;%1&quot; is not a lowercase identifier</source>
        <translation>el nombre de campo «%1» no es un identificador en minúsculas</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not Unicode</source>
        <translation>el campo «%1» no está en Unicode</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; comes twice</source>
        <translation>el campo «%1» aparece dos veces</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>not UTF-8</source>
        <translation>no está en UTF-8</translation>
    </message>
    <message>
        <source>not a line of a session&apos;s journal</source>
        <translation>no es una línea del diario de una sesión</translation>
    </message>
    <message>
        <source>not JSON: </source>
        <translation>no es JSON: </translation>
    </message>
    <message>
        <source>change %1 names a row or patient there is not</source>
        <translation>el cambio %1 nombra una fila o un paciente que no existe</translation>
    </message>
    <message>
        <source>no such patient</source>
        <translation>no existe ese paciente</translation>
    </message>
    <message>
        <source>not an object of entry, fields, module, patient, results, test, time</source>
        <translation>no es un objeto de entry, fields, module, patient, results, test, time</translation>
    </message>
    <message>
        <source>&quot;patient&quot; is not a patient&apos;s number</source>
        <translation>«patient» no es un número de paciente</translation>
    </message>
    <message>
        <source>no patient</source>
        <translation>ningún paciente</translation>
    </message>
    <message>
        <source>not an object of &quot;format&quot;, &quot;patients&quot; (from format 2) and &quot;rows&quot;</source>
        <translation>no es un objeto de «format», «patients» (desde el formato 2) y «rows»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>«%1» no es una lista</translation>
    </message>
    <message>
        <source>a patient that is not a text</source>
        <translation>un paciente que no es un texto</translation>
    </message>
    <message>
        <source>format is not 1 or %1</source>
        <translation>el formato no es 1 ni %1</translation>
    </message>
    <message>
        <source>row %1: patient %2 is not one of the session&apos;s</source>
        <translation>fila %1: el paciente %2 no pertenece a la sesión</translation>
    </message>
    <message>
        <source>a patient&apos;s identifier longer than %1 characters</source>
        <translation>un identificador de paciente de más de %1 caracteres</translation>
    </message>
    <message>
        <source>a patient&apos;s identifier that is not Unicode</source>
        <translation>un identificador de paciente que no está en Unicode</translation>
    </message>
</context>
<context>
    <name>modVelmora::SessionLog</name>
    <message>
        <source>The session cannot be kept on disk in this run: %1. Results are still collected until the program ends.</source>
        <translation>La sesión no se puede conservar en el disco durante esta ejecución: %1. Los resultados se siguen recogiendo hasta que termine el programa.</translation>
    </message>
    <message>
        <source>The saved session was damaged (%1). It has been set aside as %2, and a new session starts.</source>
        <translation>La sesión guardada estaba dañada (%1). Se ha apartado como %2 y empieza una sesión nueva.</translation>
    </message>
    <message>
        <source>The saved session is larger than 256 MB, more than any session holds. It has been set aside unread as %1, and a new session starts.</source>
        <translation>La sesión guardada ocupa más de 256 MB, más de lo que contiene cualquier sesión. Se ha apartado sin leerla como %1 y comienza una sesión nueva.</translation>
    </message>
    <message>
        <source>The changes to the saved session since it was last written whole were damaged (%1). They have been set aside as %2; the session as it was before them is kept.</source>
        <translation>Los cambios de la sesión guardada desde la última vez que se escribió completa estaban dañados (%1). Se han apartado como %2; se conserva la sesión tal como estaba antes de ellos.</translation>
    </message>
    <message>
        <source>The session could not be saved to %1: %2. Its results are kept, and written at the next change.</source>
        <translation>No se pudo guardar la sesión en %1: %2. Sus resultados se conservan y se escribirán en el próximo cambio.</translation>
    </message>
</context>
<context>
    <name>modVelmora::Settings</name>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>No se han podido guardar los ajustes en %1: %2.</translation>
    </message>
</context>
<context>
    <name>modVelmora::UpDown</name>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmAbout</name>
    <message>
        <source>About The Velmora...</source>
        <translation>Acerca de The Velmora...</translation>
    </message>
    <message>
        <source>Velmora emblem</source>
        <translation>Emblema de Velmora</translation>
    </message>
    <message>
        <source>The Velmora</source>
        <translation>The Velmora</translation>
    </message>
    <message>
        <source>The terms of use and the manual are in English.</source>
        <translation>Las condiciones de uso y el manual están en inglés.</translation>
    </message>
    <message>
        <source>Written by the Velmora developers. All rights reserved.</source>
        <translation>Escrito por el equipo de Velmora. Derechos reservados.</translation>
    </message>
    <message>
        <source>Visit my web site!</source>
        <translation>¡Visite mi sitio web!</translation>
    </message>
    <message>
        <source>&amp;License . . .</source>
        <translation>&amp;Licencia . . .</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmAgeCalculator</name>
    <message>
        <source>Age Calculator</source>
        <translation>Calculadora de edad</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Enter date in any unambiguous format (e.g., September 17, 1998; 09/17/98; 17 sep 98; etc)</source>
        <translation>Introduzca la fecha en cualquier formato inequívoco (p. ej., 17 de septiembre de 1998; 17/09/98; 17 sept. 98; etc.)</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Fecha de evaluación</translation>
    </message>
    <message>
        <source>Enter date in any unambiguous format (e.g., September 17, 1998; 09/17/98; 17 sep 98; etc). Double-click to enter today&apos;s date.</source>
        <translation>Introduzca la fecha en cualquier formato inequívoco (p. ej., 17 de septiembre de 1998; 17/09/98; 17 sept. 98; etc.). Haga doble clic para introducir la fecha de hoy.</translation>
    </message>
    <message>
        <source>Show Calendar</source>
        <translation>Mostrar calendario</translation>
    </message>
    <message>
        <source>Show calendar for the birth date</source>
        <translation>Mostrar el calendario de la fecha de nacimiento</translation>
    </message>
    <message>
        <source>Show calendar for the test date</source>
        <translation>Mostrar el calendario de la fecha de evaluación</translation>
    </message>
    <message>
        <source>Age (Years-Months-Days)</source>
        <translation>Edad (años-meses-días)</translation>
    </message>
    <message>
        <source>Gestation at birth</source>
        <translation>Edad gestacional al nacer</translation>
    </message>
    <message>
        <source>Weeks, or weeks+days (30+2), for a child born before 37 weeks; empty for no correction</source>
        <translation>Semanas, o semanas+días (30+2), para un niño nacido antes de las 37 semanas; vacío para no corregir</translation>
    </message>
    <message>
        <source>Gestation at birth, in weeks or weeks+days</source>
        <translation>Edad gestacional al nacer, en semanas o semanas+días</translation>
    </message>
    <message>
        <source>Corrected age</source>
        <translation>Edad corregida</translation>
    </message>
    <message>
        <source>Test manuals usually correct for prematurity until the age of 24 months (some until 36).</source>
        <translation>Los manuales de los tests suelen corregir la prematuridad hasta los 24 meses (algunos hasta los 36).</translation>
    </message>
    <message>
        <source>Due date: %1.</source>
        <translation>Fecha probable de parto: %1.</translation>
    </message>
    <message>
        <source>born %1</source>
        <translation>nacido/a el %1</translation>
    </message>
    <message>
        <source>tested %1</source>
        <translation>evaluado/a el %1</translation>
    </message>
    <message>
        <source>gestation %1</source>
        <translation>gestación %1</translation>
    </message>
    <message>
        <source>age %1</source>
        <translation>edad %1</translation>
    </message>
    <message>
        <source>corrected age %1</source>
        <translation>edad corregida %1</translation>
    </message>
    <message>
        <source>Age in months and days</source>
        <translation>Edad en meses y días</translation>
    </message>
    <message>
        <source>Corrected age in months and days</source>
        <translation>Edad corregida en meses y días</translation>
    </message>
    <message>
        <source>%1 month %2 day</source>
        <translation>%1 mes %2 día</translation>
    </message>
    <message>
        <source>%1 month %2 days</source>
        <translation>%1 mes %2 días</translation>
    </message>
    <message>
        <source>%1 months %2 day</source>
        <translation>%1 meses %2 día</translation>
    </message>
    <message>
        <source>%1 months %2 days</source>
        <translation>%1 meses %2 días</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmCalculator</name>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Borrar entrada</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Clear memory</source>
        <translation>Borrar memoria</translation>
    </message>
    <message>
        <source>Recall value from memory</source>
        <translation>Recuperar el valor de la memoria</translation>
    </message>
    <message>
        <source>Store value in memory</source>
        <translation>Guardar el valor en la memoria</translation>
    </message>
    <message>
        <source>Add value to memory</source>
        <translation>Sumar el valor a la memoria</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Raíz cuadrada</translation>
    </message>
    <message>
        <source>Memory Value: %1</source>
        <translation>Valor en memoria: %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmCalendar</name>
    <message>
        <source>Press ESC to cancel or &apos;T&apos; to return to today&apos;s date</source>
        <translation>Esc: cancelar, t: fecha de hoy</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmLicense</name>
    <message>
        <source>The Velmora License Agreement</source>
        <translation>Contrato de licencia de The Velmora</translation>
    </message>
    <message>
        <source>I do NOT agree to these terms and conditions</source>
        <translation>NO ACEPTO estos términos y condiciones</translation>
    </message>
    <message>
        <source>I AGREE to these terms and conditions</source>
        <translation>ACEPTO estos términos y condiciones</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmNormSets</name>
    <message>
        <source>Manage Norm Sets</source>
        <translation>Gestionar baremos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Norm sets</source>
        <translation>Baremos guardados</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardados en %1</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>Cambiar &amp;nombre…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Rename Norm Set</source>
        <translation>Cambiar el nombre del baremo</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot;:</source>
        <translation>Nombre nuevo para «%1»:</translation>
    </message>
    <message>
        <source>Delete the norm set &quot;%1&quot;?</source>
        <translation>¿Eliminar el baremo «%1»?</translation>
    </message>
    <message>
        <source>Import Norm Sets</source>
        <translation>Importar baremos</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Norm sets imported: %1 added, %2 replaced.</source>
        <translation>Baremos importados: %1 añadidos, %2 sustituidos.</translation>
    </message>
    <message>
        <source>Export Norm Sets</source>
        <translation>Exportar baremos</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>DT</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Ages</source>
        <translation>Edades</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmRawScoreConverter</name>
    <message>
        <source>Raw Scores Module</source>
        <translation>Puntuación directa</translation>
    </message>
    <message>
        <source>Raw Score</source>
        <translation>Punt. directa</translation>
    </message>
    <message>
        <source>Sample Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Sample SD</source>
        <translation>Desv. típica</translation>
    </message>
    <message>
        <source>Z-Score</source>
        <translation>Punt. z</translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Percentil</translation>
    </message>
    <message>
        <source>T-score</source>
        <translation>Valor t</translation>
    </message>
    <message>
        <source>Adjusted %ile</source>
        <translation>Perc. ajustado</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Check this box when scores below the mean indicate better performance (e.g., errors; reaction times)</source>
        <translation>Marque esta casilla cuando las puntuaciones por debajo de la media indiquen un mejor rendimiento (p. ej., errores; tiempos de reacción)</translation>
    </message>
    <message>
        <source>Use t-test</source>
        <translation>Prueba t</translation>
    </message>
    <message>
        <source>Check this box to achieve greater accuracy when norms are based on a small normative sample (see Instructions)</source>
        <translation>Marque esta casilla para obtener mayor precisión cuando los baremos se basen en una muestra normativa pequeña (consulte las Instrucciones)</translation>
    </message>
    <message>
        <source>Sample N</source>
        <translation>N muestra</translation>
    </message>
    <message>
        <source>Enter the size of the normative sample</source>
        <translation>Introduzca el tamaño de la muestra normativa</translation>
    </message>
    <message>
        <source>95% CI %1 to %2</source>
        <translation>IC 95&#xa0;%: de %1 a %2</translation>
    </message>
    <message>
        <source>95% interval estimate of the percentage of the population below this score (Crawford and Garthwaite, 2002). z-CC %1, 95% CI %2 to %3.</source>
        <translation>Estimación por intervalo al 95&#xa0;% del porcentaje de la población que queda por debajo de esta puntuación (Crawford y Garthwaite, 2002). z-CC %1, IC 95&#xa0;%: de %2 a %3.</translation>
    </message>
    <message>
        <source>Copy percentile to clipboard</source>
        <translation>Copiar el percentil al portapapeles</translation>
    </message>
    <message>
        <source>Copy adjusted percentile to clipboard</source>
        <translation>Copiar el percentil ajustado al portapapeles</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentile</source>
        <translation>Establecer el número de decimales del percentil</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentile and adjusted percentile</source>
        <translation>Establecer el número de decimales del percentil y del percentil ajustado</translation>
    </message>
    <message>
        <source>95% interval estimate of the percentage of the population above this score (Crawford and Garthwaite, 2002). z-CC %1, 95% CI %2 to %3.</source>
        <translation>Estimación por intervalo al 95&#xa0;% del porcentaje de la población que queda por encima de esta puntuación (Crawford y Garthwaite, 2002). z-CC %1, IC 95&#xa0;%: de %2 a %3.</translation>
    </message>
    <message>
        <source>&amp;Norms</source>
        <translation>Ba&amp;remos</translation>
    </message>
    <message>
        <source>Norms</source>
        <translation>Baremos</translation>
    </message>
    <message>
        <source>A saved norm set fills the mean, the SD, the sample size and Reverse</source>
        <translation>Un baremo guardado rellena la media, la DT, el tamaño muestral e Invertir</translation>
    </message>
    <message>
        <source>Sa&amp;ve Norms…</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>Keep the mean, the SD, the sample size and Reverse under a name</source>
        <translation>Guardar la media, la DT, el tamaño muestral e Invertir con un nombre</translation>
    </message>
    <message>
        <source>Mana&amp;ge…</source>
        <translation>Gestio&amp;nar…</translation>
    </message>
    <message>
        <source>Rename, delete, import and export the saved norm sets</source>
        <translation>Cambiar el nombre, eliminar, importar y exportar los baremos guardados</translation>
    </message>
    <message>
        <source>(typed)</source>
        <translation>(escritos)</translation>
    </message>
    <message>
        <source>Save Norms</source>
        <translation>Guardar baremo</translation>
    </message>
    <message>
        <source>Name of the norm set (for example the test and subtest):</source>
        <translation>Nombre del baremo (por ejemplo, el test y la prueba):</translation>
    </message>
    <message>
        <source>A norm set named &quot;%1&quot; is saved already. Replace it?</source>
        <translation>Ya hay un baremo guardado llamado «%1». ¿Sustituirlo?</translation>
    </message>
    <message>
        <source>raw %1</source>
        <translation>puntuación directa %1</translation>
    </message>
    <message>
        <source>mean %1</source>
        <translation>media %1</translation>
    </message>
    <message>
        <source>SD %1</source>
        <translation>DT %1</translation>
    </message>
    <message>
        <source>z %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>percentile %1</source>
        <translation>percentil %1</translation>
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
        <translation>percentil ajustado %1</translation>
    </message>
    <message>
        <source>z-CC %1 (95% CI %2 to %3)</source>
        <translation>z-CC %1 (IC 95&#xa0;%: %2 a %3)</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>invertido</translation>
    </message>
    <message>
        <source>Save norm set</source>
        <translation>Guardar baremo</translation>
    </message>
    <message>
        <source>Manage norm sets</source>
        <translation>Gestionar baremos</translation>
    </message>
    <message>
        <source>norm set %1</source>
        <translation>baremo %1</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmReliableChange</name>
    <message>
        <source>Reliable Change</source>
        <translation>Cambio fiable</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>Norms of the retest study</source>
        <translation>Datos del estudio test-retest</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Test score</source>
        <translation>Puntuación test</translation>
    </message>
    <message>
        <source>The patient&apos;s score at the first testing</source>
        <translation>La puntuación del paciente en la primera evaluación</translation>
    </message>
    <message>
        <source>Retest score</source>
        <translation>Puntuación retest</translation>
    </message>
    <message>
        <source>The patient&apos;s score at the retest</source>
        <translation>La puntuación del paciente en el retest</translation>
    </message>
    <message>
        <source>Mean at test</source>
        <translation>Media test</translation>
    </message>
    <message>
        <source>The study&apos;s mean at the first testing; both means or neither (optional)</source>
        <translation>Media del estudio en la primera evaluación; las dos medias o ninguna (opcional)</translation>
    </message>
    <message>
        <source>Mean at retest</source>
        <translation>Media retest</translation>
    </message>
    <message>
        <source>The study&apos;s mean at the retest; both means or neither (optional)</source>
        <translation>Media del estudio en el retest; las dos medias o ninguna (opcional)</translation>
    </message>
    <message>
        <source>SD at test</source>
        <translation>DT test</translation>
    </message>
    <message>
        <source>The study&apos;s standard deviation at the first testing</source>
        <translation>Desviación típica del estudio en la primera evaluación</translation>
    </message>
    <message>
        <source>SD at retest</source>
        <translation>DT retest</translation>
    </message>
    <message>
        <source>The study&apos;s standard deviation at the retest (optional)</source>
        <translation>Desviación típica del estudio en el retest (opcional)</translation>
    </message>
    <message>
        <source>Test–retest r</source>
        <translation>r test-retest</translation>
    </message>
    <message>
        <source>The correlation between test and retest, greater than 0 and less than 1</source>
        <translation>La correlación entre test y retest, mayor que 0 y menor que 1</translation>
    </message>
    <message>
        <source>Sample size n</source>
        <translation>Tamaño muestral n</translation>
    </message>
    <message>
        <source>The number of people in the study, from 3 to 9999 (optional)</source>
        <translation>El número de personas del estudio, de 3 a 9999 (opcional)</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confianza</translation>
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
        <translation>Confianza del 90&#xa0;%, bilateral</translation>
    </message>
    <message>
        <source>95% confidence, two-tailed</source>
        <translation>Confianza del 95&#xa0;%, bilateral</translation>
    </message>
    <message>
        <source>Reverse (low scores are good)</source>
        <translation>Invertido (puntuación baja = mejor)</translation>
    </message>
    <message>
        <source>Check this box when lower scores mean better performance (e.g., errors; reaction times): a lower retest score is then an improvement</source>
        <translation>Marque esta casilla cuando una puntuación más baja indique mejor rendimiento (p. ej., errores, tiempos de reacción): una puntuación más baja en el retest es entonces una mejoría</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Expected retest</source>
        <translation>Retest esperado</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>ET</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Estadístico</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>No reliable change</source>
        <translation>Sin cambio fiable</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Conclusión</translation>
    </message>
    <message>
        <source>The retest score expected from the test score</source>
        <translation>La puntuación de retest esperada a partir de la del test</translation>
    </message>
    <message>
        <source>Standard error of the difference</source>
        <translation>Error típico de la diferencia</translation>
    </message>
    <message>
        <source>z, or t with its degrees of freedom</source>
        <translation>z, o t con sus grados de libertad</translation>
    </message>
    <message>
        <source>Two-tailed probability</source>
        <translation>Probabilidad bilateral</translation>
    </message>
    <message>
        <source>Retest scores in this range are no reliable change at the chosen confidence</source>
        <translation>Las puntuaciones de retest en este intervalo no son un cambio fiable con la confianza elegida</translation>
    </message>
    <message>
        <source>t %1 (%2 df)</source>
        <translation>t %1 (%2 gl)</translation>
    </message>
    <message>
        <source>z %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>confianza del %1&#xa0;%</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>invertido</translation>
    </message>
    <message>
        <source>%1: %2 (%3, p %4)</source>
        <translation>%1: %2 (%3, p %4)</translation>
    </message>
    <message>
        <source>%1: expected retest score %2, SE %3; %4, p %5; range of no reliable change: %6; %7</source>
        <translation>%1: puntuación de retest esperada %2, ET %3; %4, p %5; rango sin cambio fiable: %6; %7</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmScoreConverter</name>
    <message>
        <source>Score Converter</source>
        <translation>Convertir puntuaciones</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Copy percentile to clipboard</source>
        <translation>Copiar el percentil al portapapeles</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentile (see Instructions)</source>
        <translation>Establecer el número de decimales del percentil (consulte las Instrucciones)</translation>
    </message>
    <message>
        <source>converts to</source>
        <translation>se convierte en</translation>
    </message>
    <message>
        <source>Copy %1 to clipboard</source>
        <translation>Copiar «%1» al portapapeles</translation>
    </message>
    <message>
        <source>Set number of places in %1</source>
        <translation>Establecer el número de decimales de «%1»</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmScoreDifference</name>
    <message>
        <source>Score Difference</source>
        <translation>Diferencia de puntuaciones</translation>
    </message>
    <message>
        <source>Compare the two scores</source>
        <translation>Comparar las dos puntuaciones</translation>
    </message>
    <message>
        <source>Against the test&apos;s norms</source>
        <translation>Con los baremos del test</translation>
    </message>
    <message>
        <source>Two scores of one battery: is their difference larger than the tests&apos; unreliability explains, and how often does the norm sample show one as large?</source>
        <translation>Dos puntuaciones de una misma batería: ¿es su diferencia mayor de lo que explica la falta de fiabilidad de los tests, y con qué frecuencia muestra la muestra normativa una tan grande?</translation>
    </message>
    <message>
        <source>Against a control sample</source>
        <translation>Con una muestra de control</translation>
    </message>
    <message>
        <source>A single case against a small control sample: Crawford and Garthwaite&apos;s revised standardized difference test, the usual test of a dissociation</source>
        <translation>Un caso único frente a una muestra de control pequeña: la prueba de diferencia estandarizada revisada de Crawford y Garthwaite, la prueba habitual de una disociación</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>Score X</source>
        <translation>Puntuación X</translation>
    </message>
    <message>
        <source>The patient&apos;s first score, on the scale chosen</source>
        <translation>La primera puntuación del paciente, en la escala elegida</translation>
    </message>
    <message>
        <source>Score Y</source>
        <translation>Puntuación Y</translation>
    </message>
    <message>
        <source>The patient&apos;s second score, on the same scale</source>
        <translation>La segunda puntuación del paciente, en la misma escala</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Norms</source>
        <translation>Baremos</translation>
    </message>
    <message>
        <source>Reliability of X</source>
        <translation>Fiabilidad de X</translation>
    </message>
    <message>
        <source>The reliability of the test of score X, greater than 0 and less than 1</source>
        <translation>La fiabilidad del test de la puntuación X, mayor que 0 y menor que 1</translation>
    </message>
    <message>
        <source>Reliability of Y</source>
        <translation>Fiabilidad de Y</translation>
    </message>
    <message>
        <source>The reliability of the test of score Y, greater than 0 and less than 1</source>
        <translation>La fiabilidad del test de la puntuación Y, mayor que 0 y menor que 1</translation>
    </message>
    <message>
        <source>Correlation r</source>
        <translation>Correlación r</translation>
    </message>
    <message>
        <source>The correlation of the two scores in the norm sample, greater than -1 and less than 1</source>
        <translation>La correlación de las dos puntuaciones en la muestra normativa, mayor que -1 y menor que 1</translation>
    </message>
    <message>
        <source>The patient&apos;s score on task X</source>
        <translation>La puntuación del paciente en la tarea X</translation>
    </message>
    <message>
        <source>The patient&apos;s score on task Y</source>
        <translation>La puntuación del paciente en la tarea Y</translation>
    </message>
    <message>
        <source>Control sample</source>
        <translation>Muestra de control</translation>
    </message>
    <message>
        <source>Mean of X</source>
        <translation>Media de X</translation>
    </message>
    <message>
        <source>The controls&apos; mean on task X</source>
        <translation>La media de los controles en la tarea X</translation>
    </message>
    <message>
        <source>SD of X</source>
        <translation>DT de X</translation>
    </message>
    <message>
        <source>The controls&apos; standard deviation on task X, greater than 0</source>
        <translation>La desviación típica de los controles en la tarea X, mayor que 0</translation>
    </message>
    <message>
        <source>Mean of Y</source>
        <translation>Media de Y</translation>
    </message>
    <message>
        <source>The controls&apos; mean on task Y</source>
        <translation>La media de los controles en la tarea Y</translation>
    </message>
    <message>
        <source>SD of Y</source>
        <translation>DT de Y</translation>
    </message>
    <message>
        <source>The controls&apos; standard deviation on task Y, greater than 0</source>
        <translation>La desviación típica de los controles en la tarea Y, mayor que 0</translation>
    </message>
    <message>
        <source>The correlation of X and Y in the controls, greater than -1 and less than 1</source>
        <translation>La correlación entre X e Y en los controles, mayor que -1 y menor que 1</translation>
    </message>
    <message>
        <source>Controls n</source>
        <translation>Controles n</translation>
    </message>
    <message>
        <source>The number of controls, from 3 to 9999</source>
        <translation>El número de controles, de 3 a 9999</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confianza</translation>
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
        <translation>Confianza del 90&#xa0;%, bilateral</translation>
    </message>
    <message>
        <source>95% confidence, two-tailed</source>
        <translation>Confianza del 95&#xa0;%, bilateral</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Difference X − Y</source>
        <translation>Diferencia X − Y</translation>
    </message>
    <message>
        <source>Critical difference (%1%)</source>
        <translation>Diferencia crítica (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Base rate, same direction</source>
        <translation>Tasa base, misma dirección</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Base rate, either direction</source>
        <translation>Tasa base, ambas direcciones</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Conclusión</translation>
    </message>
    <message>
        <source>The difference of the two scores</source>
        <translation>La diferencia de las dos puntuaciones</translation>
    </message>
    <message>
        <source>The smallest difference larger than the tests&apos; unreliability explains at %1% confidence</source>
        <translation>La diferencia más pequeña que supera, con una confianza del %1&#xa0;%, lo que explica la falta de fiabilidad de los tests</translation>
    </message>
    <message>
        <source>The percentage of the norm sample with a difference at least this large in the same direction</source>
        <translation>El porcentaje de la muestra normativa con una diferencia al menos tan grande en la misma dirección</translation>
    </message>
    <message>
        <source>The percentage of the norm sample with a difference at least this large in either direction</source>
        <translation>El porcentaje de la muestra normativa con una diferencia al menos tan grande en cualquiera de las dos direcciones</translation>
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
        <translation>Prueba de diferencia estandarizada revisada</translation>
    </message>
    <message>
        <source>t %1 (%2 df)</source>
        <translation>t %1 (%2 gl)</translation>
    </message>
    <message>
        <source>p, two-tailed</source>
        <translation>p, bilateral</translation>
    </message>
    <message>
        <source>Controls more extreme</source>
        <translation>Controles más extremos</translation>
    </message>
    <message>
        <source>The patient&apos;s score X against the controls&apos; mean and SD</source>
        <translation>La puntuación X del paciente frente a la media y la DT de los controles</translation>
    </message>
    <message>
        <source>The patient&apos;s score Y against the controls&apos; mean and SD</source>
        <translation>La puntuación Y del paciente frente a la media y la DT de los controles</translation>
    </message>
    <message>
        <source>The effect size: the difference of the two z-scores, standardized</source>
        <translation>El tamaño del efecto: la diferencia estandarizada de las dos puntuaciones z</translation>
    </message>
    <message>
        <source>Crawford and Garthwaite (2005): t on n - 1 degrees of freedom</source>
        <translation>Crawford y Garthwaite (2005): t con n - 1 grados de libertad</translation>
    </message>
    <message>
        <source>Two-tailed probability</source>
        <translation>Probabilidad bilateral</translation>
    </message>
    <message>
        <source>The percentage of controls expected to show a more extreme difference in the same direction</source>
        <translation>El porcentaje de controles que cabe esperar que muestren una diferencia más extrema en la misma dirección</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>confianza del %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmScoreInterval</name>
    <message>
        <source>Score Interval</source>
        <translation>Intervalo de confianza</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Reliability</source>
        <translation>Fiabilidad</translation>
    </message>
    <message>
        <source>The test&apos;s reliability coefficient, greater than 0 and less than 1</source>
        <translation>El coeficiente de fiabilidad del test, mayor que 0 y menor que 1</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confianza</translation>
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
        <translation>Centro</translation>
    </message>
    <message>
        <source>The interval around the score as obtained, from the standard error of measurement</source>
        <translation>El intervalo en torno a la puntuación obtenida, a partir del error típico de medida</translation>
    </message>
    <message>
        <source>The interval around the estimated true score, which lies nearer the mean, from the standard error of estimation</source>
        <translation>El intervalo en torno a la puntuación verdadera estimada, más cercana a la media, a partir del error típico de estimación</translation>
    </message>
    <message>
        <source>Stanine</source>
        <translation>Eneatipo</translation>
    </message>
    <message>
        <source>Sten</source>
        <translation>Decatipo</translation>
    </message>
    <message>
        <source>NCE</source>
        <translation>NCE</translation>
    </message>
    <message>
        <source>Normal curve equivalent: 1 to 99, equal steps, mean 50</source>
        <translation>Equivalente de curva normal: 1 a 99, intervalos iguales, media 50</translation>
    </message>
    <message>
        <source>Standard nine: 1 to 9, mean 5, SD 2</source>
        <translation>Eneatipo: 1 a 9, media 5, DT 2</translation>
    </message>
    <message>
        <source>Standard ten: 1 to 10, SD 2</source>
        <translation>Decatipo: 1 a 10, DT 2</translation>
    </message>
    <message>
        <source>Confidence interval</source>
        <translation>Intervalo de confianza</translation>
    </message>
    <message>
        <source>Confidence interval in percentiles</source>
        <translation>Intervalo de confianza en percentiles</translation>
    </message>
    <message>
        <source>Copy interval to clipboard</source>
        <translation>Copiar el intervalo al portapapeles</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentiles and z-scores (see Instructions)</source>
        <translation>Establecer el número de decimales de los percentiles y las puntuaciones z (véanse las instrucciones)</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copiar &amp;imagen</translation>
    </message>
    <message>
        <source>Copy the bell curve to the clipboard</source>
        <translation>Copiar la campana de Gauss al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Guardar imagen…</translation>
    </message>
    <message>
        <source>Save the bell curve as a PNG or SVG file</source>
        <translation>Guardar la campana de Gauss como archivo PNG o SVG</translation>
    </message>
    <message>
        <source>%1% CI %2 to %3</source>
        <translation>IC %1&#xa0;%: %2 a %3</translation>
    </message>
    <message>
        <source>Percentiles %1 to %2</source>
        <translation>Percentiles %1 a %2</translation>
    </message>
    <message>
        <source>Estimated true score %1</source>
        <translation>Puntuación verdadera estimada %1</translation>
    </message>
    <message>
        <source>Bell curve: %1 %2, %3.</source>
        <translation>Campana de Gauss: %1&#xa0;%2, %3.</translation>
    </message>
    <message>
        <source>Bell curve: %1 %2, %3, %4.</source>
        <translation>Campana de Gauss: %1&#xa0;%2, %3, %4.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>bell curve.png</source>
        <translation>campana de Gauss.png</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>Imagen PNG (*.png);;Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>reliability %1</source>
        <translation>fiabilidad %1</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>confianza del %1&#xa0;%</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2.</source>
        <translation>No se ha podido guardar la imagen en %1: %2.</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmScoreProfile</name>
    <message>
        <source>Score Profile</source>
        <translation>Perfil de puntuaciones</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confianza</translation>
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
        <translation>Centro</translation>
    </message>
    <message>
        <source>The interval around the score as obtained, from the standard error of measurement</source>
        <translation>El intervalo en torno a la puntuación obtenida, a partir del error típico de medida</translation>
    </message>
    <message>
        <source>The interval around the estimated true score, which lies nearer the mean, from the standard error of estimation</source>
        <translation>El intervalo en torno a la puntuación verdadera estimada, más cercana a la media, a partir del error típico de estimación</translation>
    </message>
    <message>
        <source>Type the scores or paste rows from a spreadsheet:
Test, Score, Scale and, for the interval, Reliability.</source>
        <translation>Escriba las puntuaciones o pegue filas de una hoja de cálculo:
Test, Punt., Escala y, para el intervalo, Fiabilidad.</translation>
    </message>
    <message>
        <source>Scores of the profile</source>
        <translation>Puntuaciones del perfil</translation>
    </message>
    <message>
        <source>Delete removes the selected rows; Ctrl+Z takes back the last change</source>
        <translation>Supr elimina las filas seleccionadas; Ctrl+Z deshace el último cambio</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentiles (see Instructions)</source>
        <translation>Establecer el número de decimales de los percentiles (véanse las instrucciones)</translation>
    </message>
    <message>
        <source>A&amp;dd to Session</source>
        <translation>Aña&amp;dir a la sesión</translation>
    </message>
    <message>
        <source>Add each computed row to the session, with its test&apos;s name</source>
        <translation>Añadir cada fila calculada a la sesión, con el nombre de su test</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copiar &amp;imagen</translation>
    </message>
    <message>
        <source>Copy the profile to the clipboard</source>
        <translation>Copiar el perfil al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Guardar imagen…</translation>
    </message>
    <message>
        <source>Save the profile as a PNG or SVG file</source>
        <translation>Guardar el perfil como archivo PNG o SVG</translation>
    </message>
    <message>
        <source>No row is computed yet.</source>
        <translation>Todavía no hay ninguna fila calculada.</translation>
    </message>
    <message>
        <source>Score profile (one line a test): %1.</source>
        <translation>Perfil de puntuaciones (una línea por test): %1.</translation>
    </message>
    <message>
        <source>The table holds %1 rows: %2 pasted rows found no room and were left out.</source>
        <translation>La tabla admite %1 filas: %2 filas pegadas no cabían y se han omitido.</translation>
    </message>
    <message>
        <source>reliability %1</source>
        <translation>fiabilidad %1</translation>
    </message>
    <message>
        <source>%1% confidence</source>
        <translation>confianza del %1&#xa0;%</translation>
    </message>
    <message>
        <source>Rows added to the session: %1.</source>
        <translation>Filas añadidas a la sesión: %1.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>score profile.png</source>
        <translation>perfil de puntuaciones.png</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>Imagen PNG (*.png);;Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2.</source>
        <translation>No se ha podido guardar la imagen en %1: %2.</translation>
    </message>
</context>
<context>
    <name>modVelmora::frmSession</name>
    <message>
        <source>Session - Velmora</source>
        <translation>Sesión - Velmora</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Session results</source>
        <translation>Resultados de la sesión</translation>
    </message>
    <message>
        <source>Type a test&apos;s name in its row&apos;s Test cell (F2). Delete removes the rows selected.</source>
        <translation>Escriba el nombre de un test en la celda Test de su fila (F2). Supr elimina las filas seleccionadas.</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>&amp;Copiar tabla</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print the table</source>
        <translation>Imprimir la tabla</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>Save the table as a PDF document</source>
        <translation>Guardar la tabla como documento PDF</translation>
    </message>
    <message>
        <source>De&amp;lete Rows</source>
        <translation>&amp;Eliminar filas</translation>
    </message>
    <message>
        <source>Delete the rows selected (Delete)</source>
        <translation>Eliminar las filas seleccionadas (Supr)</translation>
    </message>
    <message>
        <source>Cl&amp;ear Session…</source>
        <translation>&amp;Vaciar sesión…</translation>
    </message>
    <message>
        <source>Delete every row of the session</source>
        <translation>Eliminar todas las filas de la sesión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close this window (Esc); the session is kept</source>
        <translation>Cerrar esta ventana (Esc); la sesión se conserva</translation>
    </message>
    <message>
        <source>Velmora session, %1 (Velmora %2)</source>
        <translation>Sesión de Velmora, %1 (Velmora %2)</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Guardar sesión</translation>
    </message>
    <message>
        <source>session.csv</source>
        <translation>sesion.csv</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>session.pdf</source>
        <translation>sesion.pdf</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Velmora session</source>
        <translation>Sesión de Velmora</translation>
    </message>
    <message>
        <source>The session could not be saved to %1: %2.</source>
        <translation>No se ha podido guardar la sesión en %1: %2.</translation>
    </message>
    <message>
        <source>The PDF could not be saved to %1: %2.</source>
        <translation>No se ha podido guardar el PDF en %1: %2.</translation>
    </message>
    <message>
        <source>Copy the rows selected, or all, as a table to paste into a report or a spreadsheet</source>
        <translation>Copiar las filas seleccionadas, o todas, como tabla para pegar en un informe o una hoja de cálculo</translation>
    </message>
    <message>
        <source>Copy Se&amp;ntences</source>
        <translation>Copiar &amp;frases</translation>
    </message>
    <message>
        <source>Copy the rows selected, or all, as a report&apos;s sentences, one a row</source>
        <translation>Copiar las filas seleccionadas, o todas, como frases de informe, una por fila</translation>
    </message>
    <message>
        <source>Save the rows selected, or all, as a CSV file for a spreadsheet or for velmora-cli</source>
        <translation>Guardar las filas seleccionadas, o todas, en un archivo CSV para una hoja de cálculo o para velmora-cli</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV para hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>CSV for velmora-cli (*.csv)</source>
        <translation>CSV para velmora-cli (*.csv)</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>An identifier of the patient of your own choosing, at most %1 characters; it may stay empty</source>
        <translation>Un identificador del paciente elegido por usted, de %1 caracteres como máximo; puede quedar vacío</translation>
    </message>
    <message>
        <source>Patients</source>
        <translation>Pacientes</translation>
    </message>
    <message>
        <source>The session&apos;s patients, newest first: choose one to see its results</source>
        <translation>Los pacientes de la sesión, el más reciente primero: elija uno para ver sus resultados</translation>
    </message>
    <message>
        <source>Start the next patient: the results from now on go to that patient (Ctrl+N)</source>
        <translation>Empezar el paciente siguiente: a partir de ahora los resultados van a ese paciente (Ctrl+N)</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Paciente %1</translation>
    </message>
    <message>
        <source>Pa&amp;tient:</source>
        <translation>&amp;Paciente:</translation>
    </message>
    <message>
        <source>Ne&amp;w Patient</source>
        <translation>&amp;Nuevo paciente</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <source>Undo the last deletion, clearing or test&apos;s name (Ctrl+Z)</source>
        <translation>Deshacer la última eliminación, el último vaciado o el último nombre de prueba (Ctrl+Z)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Do again what was undone (Ctrl+Shift+Z or Ctrl+Y)</source>
        <translation>Rehacer lo que se deshizo (Ctrl+Mayús+Z o Ctrl+Y)</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n results of the session, of every patient? Undo brings them back.</source>
        <translation>
            <numerusform>¿Eliminar el resultado de la sesión, de todos los pacientes? «Deshacer» lo recupera.</numerusform>
            <numerusform>¿Eliminar los %n resultados de la sesión, de todos los pacientes? «Deshacer» los recupera.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>modVelmora::frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
</TS>
