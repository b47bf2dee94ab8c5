<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>modVelmora::BellCurve</name>
    <message>
        <source>Bell curve</source>
        <translation>Curva de campana</translation>
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
        <translation>sin corregir (nacido a término)</translation>
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
</context>
<context>
    <name>modVelmora::OutOfDateResults</name>
    <message>
        <source>Out of date: an entry has changed since Calculate.</source>
        <translation>Desactualizado: una entrada ha cambiado desde el cálculo.</translation>
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
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
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
        <source>Number of decimal places</source>
        <translation>Número de decimales</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>95% CI %1 to %2</source>
        <translation>IC 95 %: de %1 a %2</translation>
    </message>
    <message>
        <source>95% interval estimate of the percentage of the population below this score (Crawford and Garthwaite, 2002). z-CC %1, 95% CI %2 to %3.</source>
        <translation>Estimación por intervalo al 95 % del porcentaje de la población que queda por debajo de esta puntuación (Crawford y Garthwaite, 2002). z-CC %1, IC 95 %: de %2 a %3.</translation>
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
        <translation>Estimación por intervalo al 95 % del porcentaje de la población que queda por encima de esta puntuación (Crawford y Garthwaite, 2002). z-CC %1, IC 95 %: de %2 a %3.</translation>
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
        <translation>Baremos del estudio test-retest</translation>
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
        <translation>90 %</translation>
    </message>
    <message>
        <source>95%</source>
        <translation>95 %</translation>
    </message>
    <message>
        <source>90% confidence, two-tailed</source>
        <translation>Confianza del 90 %, bilateral</translation>
    </message>
    <message>
        <source>95% confidence, two-tailed</source>
        <translation>Confianza del 95 %, bilateral</translation>
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
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Copy the results table to the clipboard</source>
        <translation>Copiar la tabla de resultados al portapapeles</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
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
        <source>%1: expected retest score %2, SE %3; %4, p %5; no reliable change from %6; %7</source>
        <translation>%1: puntuación de retest esperada %2, ET %3; %4, p %5; sin cambio fiable de %6; %7</translation>
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
        <source>Number of decimal places</source>
        <translation>Número de decimales</translation>
    </message>
    <message>
        <source>converts to</source>
        <translation>se convierte en</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
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
        <translation>90 %</translation>
    </message>
    <message>
        <source>95%</source>
        <translation>95 %</translation>
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
        <source>Number of decimal places</source>
        <translation>Número de decimales</translation>
    </message>
    <message>
        <source>Set number of decimal places in percentiles and z-scores (see Instructions)</source>
        <translation>Establecer el número de decimales de los percentiles y las puntuaciones z (véanse las instrucciones)</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
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
        <translation>IC %1 %: %2 a %3</translation>
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
        <translation>Campana de Gauss: %1 %2, %3.</translation>
    </message>
    <message>
        <source>Bell curve: %1 %2, %3, %4.</source>
        <translation>Campana de Gauss: %1 %2, %3, %4.</translation>
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
        <source>The picture could not be saved to %1.</source>
        <translation>No se ha podido guardar la imagen en %1.</translation>
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
