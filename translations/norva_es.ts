<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CloneFile</name>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Datos de copia de seguridad no disponibles, espere</translation>
    </message>
    <message>
        <source>Saving Parameters</source>
        <translation>Guardando parámetros</translation>
    </message>
    <message>
        <source>saving all</source>
        <translation>guardar todo</translation>
    </message>
    <message>
        <source>no file was written</source>
        <translation>no se escribió ningún archivo</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration was saved to %1.</source>
        <translation>La configuración de la centralita se guardó en %1.</translation>
    </message>
    <message>
        <source>writing the clone file</source>
        <translation>escribir el archivo de clonación</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>programar</translation>
    </message>
    <message>
        <source>the clone write</source>
        <translation>la escritura de clonación</translation>
    </message>
    <message>
        <source>Programming the NORVA</source>
        <translation>Programando la NORVA</translation>
    </message>
    <message>
        <source>Also write the engine&apos;s counters (cycle count, total time): only to restore this unit&apos;s own backup</source>
        <translation>Escribir también los contadores de la turbina (número de ciclos, tiempo total): solo para restaurar la copia de seguridad de esta misma centralita</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Datos de copia de seguridad no disponibles, espere</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>The run log was not whole after %1 bytes (%2)</source>
        <translation>El registro de funcionamiento no estaba completo tras %1 bytes (%2)</translation>
    </message>
    <message>
        <source>downloading</source>
        <translation>descargar</translation>
    </message>
    <message>
        <source>The raw run log could not be kept in %1.</source>
        <translation>No se pudo guardar el registro de funcionamiento sin procesar en %1.</translation>
    </message>
    <message>
        <source>The run log cannot be kept in the working folder %1; nothing was sent.</source>
        <translation>El registro de funcionamiento no se puede guardar en la carpeta de trabajo %1; no se envió nada.</translation>
    </message>
    <message>
        <source>, asked twice; nothing was exported.</source>
        <translation>, solicitado dos veces; no se exportó nada.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were received; nothing was exported</source>
        <translation>Se recibieron %1 de %2 bytes; no se exportó nada</translation>
    </message>
    <message>
        <source>The run log could not be read: %1; nothing was exported.</source>
        <translation>No se pudo leer el registro de funcionamiento: %1; no se exportó nada.</translation>
    </message>
    <message>
        <source>The download was kept as %1; no file was exported.</source>
        <translation>La descarga se guardó como %1; no se exportó ningún archivo.</translation>
    </message>
    <message>
        <source>The unit stayed in normal mode for %1 s after the download command</source>
        <translation>La centralita siguió en modo normal durante %1 s tras la orden de descarga</translation>
    </message>
    <message>
        <source>The download could not be kept with the recent downloads: %1</source>
        <translation>No se pudo guardar la descarga con las descargas recientes: %1</translation>
    </message>
    <message>
        <source>%1. The download was kept as %2.</source>
        <translation>%1. La descarga se guardó como %2.</translation>
    </message>
</context>
<context>
    <name>EngineReport</name>
    <message>
        <source>Peak start EGT (C)</source>
        <translation>EGT máx. de arranque (C)</translation>
    </message>
    <message>
        <source>Time to idle (s)</source>
        <translation>Tiempo hasta ralentí (s)</translation>
    </message>
    <message>
        <source>Time from light-off (s)</source>
        <translation>Tiempo desde encendido (s)</translation>
    </message>
    <message>
        <source>Idle EGT (C)</source>
        <translation>EGT en ralentí (C)</translation>
    </message>
    <message>
        <source>Idle pump (%)</source>
        <translation>Bomba en ralentí (%)</translation>
    </message>
    <message>
        <source>Full-throttle EGT (C)</source>
        <translation>EGT a plena potencia (C)</translation>
    </message>
    <message>
        <source>Full-throttle pump (%)</source>
        <translation>Bomba a plena potencia (%)</translation>
    </message>
    <message>
        <source> over %1 runs</source>
        <translation> en %1 ciclos</translation>
    </message>
    <message>
        <source>nothing measured yet</source>
        <translation>aún sin medidas</translation>
    </message>
    <message>
        <source>Engine report: %1</source>
        <translation>Informe de turbina: %1</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>serie %1</translation>
    </message>
    <message>
        <source>welcome text &quot;%1&quot;</source>
        <translation>texto de bienvenida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The unit&apos;s count: %1 cycles, %2 minutes in total (newest download)</source>
        <translation>Recuento de la centralita: %1 ciclos, %2 minutos en total (última descarga)</translation>
    </message>
    <message>
        <source> since the service</source>
        <translation> desde el mantenimiento</translation>
    </message>
    <message>
        <source> (%1 s from light-off)</source>
        <translation> (%1 s desde el encendido)</translation>
    </message>
    <message>
        <source>No measured start yet: no baseline.</source>
        <translation>Aún no hay arranques medidos: sin referencia.</translation>
    </message>
    <message>
        <source>SHIFT: %1</source>
        <translation>DESVIACIÓN: %1</translation>
    </message>
    <message>
        <source>Flagged runs and events</source>
        <translation>Ciclos marcados y eventos</translation>
    </message>
    <message>
        <source>%1  cycle %2: %3  (%4)</source>
        <translation>%1  ciclo %2: %3  (%4)</translation>
    </message>
    <message>
        <source>; dotted: the baseline</source>
        <translation>; punteado: la referencia</translation>
    </message>
    <message>
        <source>; squares: flagged</source>
        <translation>; cuadrados: marcados</translation>
    </message>
    <message>
        <source>Runs: %1    starts measured: %2    minutes of running: %3    flagged runs: %4    events: %5</source>
        <translation>Ciclos: %1    arranques medidos: %2    minutos de funcionamiento: %3    ciclos marcados: %4    eventos: %5</translation>
    </message>
    <message>
        <source>Last service: %1; since then %2 runs, %3 minutes of running</source>
        <translation>Último mantenimiento: %1; desde entonces %2 ciclos, %3 minutos de funcionamiento</translation>
    </message>
    <message>
        <source>Baseline (median of the first %1 measured starts%2): peak start EGT %3 C, time to idle %4 s%5</source>
        <translation>Referencia (mediana de los primeros %1 arranques medidos%2): EGT máx. de arranque %3 C, tiempo hasta ralentí %4 s%5</translation>
    </message>
    <message>
        <source>Flagged: a start at the unit&apos;s EGT limit, more than %1 C hotter than the baseline, or taking more than %2 times as long to idle.</source>
        <translation>Marcado: un arranque en el límite de EGT de la centralita, más de %1 C más caliente que la referencia, o que tarda en llegar al ralentí más de %2 veces lo que la referencia.</translation>
    </message>
</context>
<context>
    <name>FactoryCommands</name>
    <message>
        <source>Hardware test: step %1 of %2</source>
        <translation>Prueba de hardware: paso %1 de %2</translation>
    </message>
    <message>
        <source>testing the hardware (step %1 of %2)</source>
        <translation>probar el hardware (paso %1 de %2)</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>no se escribió nada</translation>
    </message>
    <message>
        <source>the cells written so far were </source>
        <translation>las celdas escritas hasta ahora fueron </translation>
    </message>
    <message>
        <source>writing address %1</source>
        <translation>escribir la dirección %1</translation>
    </message>
    <message>
        <source>setting the maximum speed</source>
        <translation>fijar la velocidad máxima</translation>
    </message>
    <message>
        <source>Max. Authorized R.P.M.</source>
        <translation>Máx. autorizado en R.P.M.</translation>
    </message>
    <message>
        <source>Input the desired Maximum Authorized R.P.M. value in thousands</source>
        <translation>Introduzca el valor deseado de R.P.M. máximas autorizadas, en miles</translation>
    </message>
    <message>
        <source>calibrating the temperature</source>
        <translation>calibrar la temperatura</translation>
    </message>
    <message>
        <source>both calibration cells were cleared</source>
        <translation>se borraron ambas celdas de calibración</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>programar</translation>
    </message>
    <message>
        <source>Programming the NORVA</source>
        <translation>Programando la NORVA</translation>
    </message>
    <message>
        <source>the fast setup</source>
        <translation>el ajuste rápido</translation>
    </message>
    <message>
        <source>testing the hardware</source>
        <translation>probar el hardware</translation>
    </message>
    <message>
        <source>the unit could not be put back as it was</source>
        <translation>no se pudo dejar la centralita como estaba</translation>
    </message>
    <message>
        <source>; the values it held before were put back</source>
        <translation>; se restauraron los valores que tenía antes</translation>
    </message>
    <message>
        <source>The hardware test read no current at step 3; %1.</source>
        <translation>La prueba de hardware no midió corriente en el paso 3; %1.</translation>
    </message>
    <message>
        <source>; the values the unit held before the test were put back</source>
        <translation>; se restauraron los valores que tenía la centralita antes de la prueba</translation>
    </message>
    <message>
        <source>Stop the engine and let it cool below 100 °C first.</source>
        <translation>Pare primero la turbina y deje que se enfríe por debajo de 100 °C.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no speed: give the thousands of RPM as a number from 0 to 255. Nothing was sent.</source>
        <translation>&quot;%1&quot; no es una velocidad: indique los miles de RPM como un número de 0 a 255. No se envió nada.</translation>
    </message>
    <message>
        <source>The unit did not clear its temperature calibration, so nothing was calibrated%1.</source>
        <translation>La centralita no borró su calibración de temperatura, así que no se calibró nada%1.</translation>
    </message>
    <message>
        <source>the values the unit held before the test were put back</source>
        <translation>se restauraron los valores que tenía la centralita antes de la prueba</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1: the engine did not run</source>
        <translation>%1: la turbina no funcionó</translation>
    </message>
    <message>
        <source>cannot write the picture %1</source>
        <translation>no se puede escribir la imagen %1</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>too large for this kind of file (more than %1 bytes)</source>
        <translation>demasiado grande para este tipo de archivo (más de %1 bytes)</translation>
    </message>
    <message>
        <source>more than %1 values; this file holds %1</source>
        <translation>más de %1 valores; este archivo contiene %1</translation>
    </message>
    <message>
        <source>the file ends after %1 values; it must hold %2</source>
        <translation>el archivo termina tras %1 valores; debe contener %2</translation>
    </message>
    <message>
        <source>an output file needs a name</source>
        <translation>un archivo de salida necesita un nombre</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>no permission to write it</source>
        <translation>sin permiso para escribirlo</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>su carpeta no existe</translation>
    </message>
    <message>
        <source>its folder is not a folder</source>
        <translation>su carpeta no es una carpeta</translation>
    </message>
    <message>
        <source>no permission to write in its folder</source>
        <translation>sin permiso para escribir en su carpeta</translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2 for %3, found %4</source>
        <translation>se esperaba un número entero de %1 a %2 para %3; se encontró %4</translation>
    </message>
    <message>
        <source>expected a number, found %1</source>
        <translation>se esperaba un número; se encontró %1</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>no se puede escribir: %1</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>lo escrito no coincide al volver a leerlo</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
</context>
<context>
    <name>Gauges</name>
    <message>
        <source>Engine speed</source>
        <translation>Velocidad de la turbina</translation>
    </message>
    <message>
        <source> RPM</source>
        <translation> RPM</translation>
    </message>
    <message>
        <source>Exhaust gas temperature</source>
        <translation>Temperatura de gases de escape</translation>
    </message>
    <message>
        <source>Stick position</source>
        <translation>Posición de la palanca</translation>
    </message>
    <message>
        <source>Pump power</source>
        <translation>Potencia de la bomba</translation>
    </message>
    <message>
        <source>Battery current</source>
        <translation>Corriente de la batería</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <translation>Tensión de la batería</translation>
    </message>
    <message>
        <source>Terminal line 1:</source>
        <translation>Línea del terminal 1:</translation>
    </message>
    <message>
        <source>Terminal line 2:</source>
        <translation>Línea del terminal 2:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Data Backup= 100%</source>
        <translation>Respaldo= 100%</translation>
    </message>
    <message>
        <source>Data Backup= </source>
        <translation>Respaldo= </translation>
    </message>
</context>
<context>
    <name>HidBackend</name>
    <message>
        <source>USB unit</source>
        <translation>Centralita USB</translation>
    </message>
    <message>
        <source>Replay of %1 at x%2</source>
        <translation>Reproducción de %1 a x%2</translation>
    </message>
    <message>
        <source>Simulated unit</source>
        <translation>Centralita simulada</translation>
    </message>
</context>
<context>
    <name>LogDownload</name>
    <message>
        <source>serial number %1</source>
        <translation>número de serie %1</translation>
    </message>
    <message>
        <source>welcome text &quot;%1&quot;</source>
        <translation>texto de bienvenida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Logbook</source>
        <translation>Bitácora</translation>
    </message>
    <message>
        <source>This unit (%1) is new to the logbook. The engine&apos;s name:%2</source>
        <translation>Esta centralita (%1) es nueva en el bitácora. Nombre de la turbina:%2</translation>
    </message>
    <message>
        <source>
(known: %1)</source>
        <translation>
(conocidas: %1)</translation>
    </message>
    <message>
        <source>The download was not added to the logbook.</source>
        <translation>La descarga no se añadió al bitácora.</translation>
    </message>
    <message>
        <source>%1 (serial %2)</source>
        <translation>%1 (serie %2)</translation>
    </message>
    <message>
        <source>%1 (%2 unit)</source>
        <translation>%1 (centralita %2)</translation>
    </message>
    <message>
        <source>New engine</source>
        <translation>Turbina nueva</translation>
    </message>
    <message>
        <source>; the download was not logged.</source>
        <translation>; la descarga no se registró en la bitácora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is another unit&apos;s engine: this unit&apos;s downloads go to &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; es la turbina de otra centralita: las descargas de esta centralita van a &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>LogbookCommands</name>
    <message>
        <source>no engine named &quot;%1&quot; in the logbook %2</source>
        <translation>ninguna turbina llamada &quot;%1&quot; en la bitácora %2</translation>
    </message>
    <message>
        <source>--engine needs a name, not blanks</source>
        <translation>--engine necesita un nombre, no espacios</translation>
    </message>
    <message>
        <source>%1; the file was not imported</source>
        <translation>%1; el archivo no se importó</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
</context>
<context>
    <name>LogbookWindow</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Ciclo</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Length s</source>
        <translation>Duración s</translation>
    </message>
    <message>
        <source>Idle after s</source>
        <translation>Ralentí tras s</translation>
    </message>
    <message>
        <source>Start EGT C</source>
        <translation>EGT arranque C</translation>
    </message>
    <message>
        <source>Max RPM</source>
        <translation>RPM máx.</translation>
    </message>
    <message>
        <source>Max EGT C</source>
        <translation>EGT máx. C</translation>
    </message>
    <message>
        <source>Mean pump %</source>
        <translation>Bomba media %</translation>
    </message>
</context>
<context>
    <name>Maintenance</name>
    <message>
        <source>setting the serial number</source>
        <translation>fijar el número de serie</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Set engine serial number</source>
        <translation>Fijar n.º de serie de turbina</translation>
    </message>
    <message>
        <source>clearing the service timer</source>
        <translation>poner a cero el contador de mantenimiento</translation>
    </message>
    <message>
        <source>Clear the service timer?</source>
        <translation>¿Poner a cero el contador de mantenimiento?</translation>
    </message>
    <message>
        <source>clearing the timers</source>
        <translation>poner a cero los contadores</translation>
    </message>
    <message>
        <source>This unit keeps no serial number or timers: only units whose configuration streams downwards do.</source>
        <translation>Esta centralita no guarda número de serie ni contadores: solo lo hacen las centralitas que envían su configuración en orden descendente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no serial number: give a whole number from 0 to 65535. Nothing was sent.</source>
        <translation>&quot;%1&quot; no es un número de serie: indique un número entero de 0 a 65535. No se envió nada.</translation>
    </message>
    <message>
        <source>Clear all timers? The cycle count and the total engine time become 0.</source>
        <translation>¿Poner a cero todos los contadores? El número de ciclos y el tiempo total de la turbina pasan a 0.</translation>
    </message>
</context>
<context>
    <name>OperationTools</name>
    <message>
        <source>The unit was lost while %1: %2.</source>
        <translation>Se perdió la centralita al %1: %2.</translation>
    </message>
    <message>
        <source>Cancelled while %1: %2.</source>
        <translation>Cancelado al %1: %2.</translation>
    </message>
    <message>
        <source>The unit did not answer while %1: %2.</source>
        <translation>La centralita no respondió al %1: %2.</translation>
    </message>
    <message>
        <source>%1 of %2 reports were sent</source>
        <translation>se enviaron %1 de %2 informes</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1. No se envió nada.</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>Saving Parameters</source>
        <translation>Guardando parámetros</translation>
    </message>
    <message>
        <source>reading address %1</source>
        <translation>leer la dirección %1</translation>
    </message>
    <message>
        <source>The unit&apos;s 71 parameters were saved to %1.</source>
        <translation>Los 71 parámetros de la centralita se guardaron en %1.</translation>
    </message>
    <message>
        <source>writing parameters</source>
        <translation>escribir los parámetros</translation>
    </message>
    <message>
        <source>reading its access level</source>
        <translation>leer su nivel de acceso</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>no se escribió nada</translation>
    </message>
    <message>
        <source>Norva Write Protected</source>
        <translation>Norva protegida contra escritura</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>programar</translation>
    </message>
    <message>
        <source>the parameter write</source>
        <translation>la escritura de parámetros</translation>
    </message>
    <message>
        <source>%1 of %2 values were read; no file was written</source>
        <translation>Se leyeron %1 de %2 valores; no se escribió ningún archivo</translation>
    </message>
    <message>
        <source>address %1</source>
        <translation>dirección %1</translation>
    </message>
</context>
<context>
    <name>RunCommand</name>
    <message>
        <source>no translation into &apos;%1&apos; (there are: %2); English is used</source>
        <translation>no hay traducción a &apos;%1&apos; (hay: %2); se usa el inglés</translation>
    </message>
</context>
<context>
    <name>RunningOperation</name>
    <message>
        <source>No unit is connected.</source>
        <translation>No hay ninguna centralita conectada.</translation>
    </message>
    <message>
        <source>Another operation is still running. Wait until it has finished, or cancel it with Escape in its window.</source>
        <translation>Aún hay otra operación en curso. Espere a que termine o cancélela con Escape en su ventana.</translation>
    </message>
</context>
<context>
    <name>SummaryCommand</name>
    <message>
        <source>%1 of 256 bytes</source>
        <translation>%1 de 256 bytes</translation>
    </message>
    <message>
        <source>the unit&apos;s configuration did not arrive within %1 s (%2; %3)</source>
        <translation>la configuración de la centralita no llegó en %1 s (%2; %3)</translation>
    </message>
</context>
<context>
    <name>WaitTexts</name>
    <message>
        <source>no unit was found within %1 s</source>
        <translation>no se encontró ninguna centralita en %1 s</translation>
    </message>
    <message>
        <source>Cancelled while waiting for the unit.</source>
        <translation>Cancelado al esperar la centralita.</translation>
    </message>
    <message>
        <source>Cancelled while waiting for the unit&apos;s configuration (%1 of 256 bytes).</source>
        <translation>Cancelado al esperar la configuración de la centralita (%1 de 256 bytes).</translation>
    </message>
    <message>
        <source>the unit was lost while its configuration arrived (%1 of 256 bytes)</source>
        <translation>se perdió la centralita mientras llegaba su configuración (%1 de 256 bytes)</translation>
    </message>
</context>
<context>
    <name>WriteGate</name>
    <message>
        <source>Reading the unit&apos;s configuration %1%</source>
        <translation>Leyendo la configuración de la centralita %1%</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration did not arrive whole while %1 (%2).</source>
        <translation>La configuración de la centralita no llegó completa al %1 (%2).</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration before this write is kept in %1</source>
        <translation>La configuración de la centralita anterior a esta escritura se guarda en %1</translation>
    </message>
    <message>
        <source>address %1 did not come back</source>
        <translation>la dirección %1 no se devolvió</translation>
    </message>
    <message>
        <source>address %1 holds %2 (%3 was sent)</source>
        <translation>la dirección %1 contiene %2 (se envió %3)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>%1 of %2 values confirmed by the unit</source>
        <translation>%1 de %2 valores confirmados por la centralita</translation>
    </message>
    <message>
        <source>Confirming the write</source>
        <translation>Confirmando la escritura</translation>
    </message>
    <message>
        <source>Written, not confirmed: the check was cancelled (%1).</source>
        <translation>Escrito, sin confirmar: se canceló la comprobación (%1).</translation>
    </message>
    <message>
        <source>confirming </source>
        <translation>confirmar </translation>
    </message>
    <message>
        <source>everything was sent, </source>
        <translation>se envió todo, </translation>
    </message>
    <message>
        <source>The unit does not hold what was written: </source>
        <translation>La centralita no contiene lo que se escribió: </translation>
    </message>
    <message>
        <source>Written and confirmed by the unit: %1 values</source>
        <translation>Escrito y confirmado por la centralita: %1 valores</translation>
    </message>
    <message>
        <source>The unit already holds these values: nothing was sent.</source>
        <translation>La centralita ya contiene estos valores: no se envió nada.</translation>
    </message>
    <message>
        <source>1 change</source>
        <translation>1 cambio</translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation>%1 cambios</translation>
    </message>
    <message>
        <source>Also written:</source>
        <translation>También se escribe:</translation>
    </message>
    <message>
        <source>Kept as the unit holds them, unless asked:</source>
        <translation>Se mantienen como los tiene la centralita, salvo que se pida:</translation>
    </message>
    <message>
        <source>Write this change?</source>
        <translation>¿Escribir este cambio?</translation>
    </message>
    <message>
        <source>Write these %1 changes?</source>
        <translation>¿Escribir estos %1 cambios?</translation>
    </message>
    <message>
        <source>; nothing was sent (dry run).</source>
        <translation>; no se envió nada (modo de prueba).</translation>
    </message>
    <message>
        <source>%1 of 255 bytes of its configuration had come; nothing was written</source>
        <translation>habían llegado %1 de 255 bytes de su configuración; no se escribió nada</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration could not be kept before writing: %1: nothing was sent.</source>
        <translation>No se pudo guardar la configuración de la centralita antes de escribir: %1: no se envió nada.</translation>
    </message>
    <message>
        <source>A replay is playing: stop it to write to a unit.</source>
        <translation>Hay una reproducción en curso: deténgala para escribir en una centralita.</translation>
    </message>
    <message>
        <source>Stop the engine first.</source>
        <translation>Pare primero la turbina.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no display: run with a desktop session or use a command</source>
        <translation>sin pantalla: ejecútelo en una sesión de escritorio o use una orden</translation>
    </message>
</context>
<context>
    <name>norva::App</name>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>No se pudieron guardar los ajustes: %1.</translation>
    </message>
</context>
<context>
    <name>norva::ChartRun</name>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: no se puede escribir: %2</translation>
    </message>
    <message>
        <source>%1: the point could not be recorded: %2</source>
        <translation>%1: no se pudo registrar el punto: %2</translation>
    </message>
</context>
<context>
    <name>norva::CloneImage</name>
    <message>
        <source>address %1</source>
        <translation>dirección %1</translation>
    </message>
</context>
<context>
    <name>norva::CommandLine</name>
    <message>
        <source>Ground support for the NORVA engine control unit: the main window, or one command without windows.</source>
        <translation>Asistencia en tierra para la centralita de control de turbina NORVA: la ventana principal, o una orden sin ventanas.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>print this help, or a command&apos;s with COMMAND --help</source>
        <translation>mostrar esta ayuda, o la de una orden con COMMAND --help</translation>
    </message>
    <message>
        <source>print the program&apos;s version</source>
        <translation>mostrar la versión del programa</translation>
    </message>
    <message>
        <source>hid (default), sim[:OPTION]..., tcp:HOST:PORT or replay:FILE.txt[:speed=N]; the simulated unit&apos;s options: downward, rate=N, answer=K, burst=N, queue=N, preamble=N, silent-after=N, refuse-writes=A,B-C, unplug-after=N, engine=off; a replay plays an exported run log N times real time (1 to 32)</source>
        <translation>hid (predeterminado), sim[:OPTION]..., tcp:HOST:PORT o replay:FILE.txt[:speed=N]; opciones de la centralita simulada: downward, rate=N, answer=K, burst=N, queue=N, preamble=N, silent-after=N, refuse-writes=A,B-C, unplug-after=N, engine=off; replay reproduce un registro de funcionamiento exportado a N veces el tiempo real (de 1 a 32)</translation>
    </message>
    <message>
        <source>settings file instead of the user&apos;s norva10.ini</source>
        <translation>archivo de ajustes en lugar del norva10.ini del usuario</translation>
    </message>
    <message>
        <source>how long a command looks for the unit (10 s unless given)</source>
        <translation>cuánto tiempo busca una orden la centralita (10 s si no se indica)</translation>
    </message>
    <message>
        <source>the language of the windows and messages, e.g. de, es or fr (the system&apos;s unless given; English where the program has none)</source>
        <translation>idioma de las ventanas y mensajes, p. ej. de, es o fr (el del sistema si no se indica; inglés si el programa no lo tiene)</translation>
    </message>
    <message>
        <source>open the main window, wait for the unit&apos;s configuration (at most 15 s), save a picture of the window and exit</source>
        <translation>abrir la ventana principal, esperar la configuración de la centralita (15 s como máximo), guardar una imagen de la ventana y salir</translation>
    </message>
    <message>
        <source>--unit-wait takes seconds from more than 0 to 3600, not &apos;%1&apos;</source>
        <translation>--unit-wait admite segundos de más de 0 a 3600, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--screenshot is for the main window only</source>
        <translation>--screenshot solo sirve para la ventana principal</translation>
    </message>
    <message>
        <source>this command reads files, not a unit: leave out --device</source>
        <translation>esta orden lee archivos, no una centralita: omita --device</translation>
    </message>
    <message>
        <source>%1 needs a speed in RPM, a whole number, not &apos;%2&apos;</source>
        <translation>%1 necesita una velocidad en RPM, un número entero, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 needs a temperature in C, a whole number, not &apos;%2&apos;</source>
        <translation>%1 necesita una temperatura en C, un número entero, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>give either --reports or --seconds, not both</source>
        <translation>indique --reports o --seconds, no ambos</translation>
    </message>
    <message>
        <source>--reports needs a positive whole number, not &apos;%1&apos;</source>
        <translation>--reports necesita un número entero positivo, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--seconds takes seconds from more than 0 to 86400 (a day), not &apos;%1&apos;</source>
        <translation>--seconds admite segundos de más de 0 a 86400 (un día), no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a number of minutes, not &apos;%2&apos;</source>
        <translation>%1 necesita un número de minutos, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPCIONES</translation>
    </message>
    <message>
        <source>SUBCOMMAND</source>
        <translation>ORDEN</translation>
    </message>
    <message>
        <source>SUBCOMMANDS</source>
        <translation>ÓRDENES</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Argumentos</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>OBLIGATORIO</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Pruebe &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>comma-separated values with a header line</source>
        <translation>valores separados por comas con una línea de cabecera</translation>
    </message>
    <message>
        <source>write without first keeping the unit&apos;s configuration in ~/.local/share/norva/backups</source>
        <translation>escribir sin guardar antes la configuración de la centralita en ~/.local/share/norva/backups</translation>
    </message>
    <message>
        <source>list what the write would change in the unit (on standard output), send nothing</source>
        <translation>listar lo que la escritura cambiaría en la centralita (en la salida estándar), sin enviar nada</translation>
    </message>
    <message>
        <source>also write the file&apos;s engine counters (cycle count, total time): only to restore this unit&apos;s own backup</source>
        <translation>escribir también los contadores de turbina del archivo (número de ciclos, tiempo total): solo para restaurar la copia de seguridad de esta misma centralita</translation>
    </message>
    <message>
        <source>print one line per report from the unit, without windows</source>
        <translation>mostrar una línea por cada informe de la centralita, sin ventanas</translation>
    </message>
    <message>
        <source>stop after N lines</source>
        <translation>parar tras N líneas</translation>
    </message>
    <message>
        <source>stop after S seconds</source>
        <translation>parar tras S segundos</translation>
    </message>
    <message>
        <source>wait for the unit&apos;s configuration (at most 30 s) and print the parameter summary, frame by frame</source>
        <translation>esperar la configuración de la centralita (30 s como máximo) y mostrar el resumen de parámetros, trama a trama</translation>
    </message>
    <message>
        <source>summarise a clone file instead of a unit</source>
        <translation>resumir un archivo de clonación en lugar de una centralita</translation>
    </message>
    <message>
        <source>summary --image reads a file, not a unit: leave out --device</source>
        <translation>summary --image lee un archivo, no una centralita: omita --device</translation>
    </message>
    <message>
        <source>the unit&apos;s whole configuration (addresses 16..255)</source>
        <translation>toda la configuración de la centralita (direcciones 16..255)</translation>
    </message>
    <message>
        <source>save the unit&apos;s configuration to a clone file</source>
        <translation>guardar la configuración de la centralita en un archivo de clonación</translation>
    </message>
    <message>
        <source>the clone file to write</source>
        <translation>el archivo de clonación que se escribe</translation>
    </message>
    <message>
        <source>write a clone file into the unit</source>
        <translation>escribir un archivo de clonación en la centralita</translation>
    </message>
    <message>
        <source>the clone file to read</source>
        <translation>el archivo de clonación que se lee</translation>
    </message>
    <message>
        <source>the unit&apos;s 71 parameters</source>
        <translation>los 71 parámetros de la centralita</translation>
    </message>
    <message>
        <source>save the unit&apos;s parameters to a file</source>
        <translation>guardar los parámetros de la centralita en un archivo</translation>
    </message>
    <message>
        <source>the parameter file to write</source>
        <translation>el archivo de parámetros que se escribe</translation>
    </message>
    <message>
        <source>write a parameter file into the unit</source>
        <translation>escribir un archivo de parámetros en la centralita</translation>
    </message>
    <message>
        <source>the parameter file to read</source>
        <translation>el archivo de parámetros que se lee</translation>
    </message>
    <message>
        <source>set the engine serial number (downward units)</source>
        <translation>fijar el número de serie de la turbina (centralitas downward)</translation>
    </message>
    <message>
        <source>the serial number, 0 to 65535</source>
        <translation>el número de serie, de 0 a 65535</translation>
    </message>
    <message>
        <source>clear the unit&apos;s timers (downward units)</source>
        <translation>poner a cero los contadores de la centralita (centralitas downward)</translation>
    </message>
    <message>
        <source>clear every timer, the cycle count and the engine time</source>
        <translation>poner a cero todos los contadores, el número de ciclos y el tiempo de la turbina</translation>
    </message>
    <message>
        <source>clear the service timer</source>
        <translation>poner a cero el contador de mantenimiento</translation>
    </message>
    <message>
        <source>the factory&apos;s commands</source>
        <translation>las órdenes de fábrica</translation>
    </message>
    <message>
        <source>set the maximum authorized speed</source>
        <translation>fijar la velocidad máxima autorizada</translation>
    </message>
    <message>
        <source>thousands of RPM, 0 to 255</source>
        <translation>miles de RPM, de 0 a 255</translation>
    </message>
    <message>
        <source>set the terminal&apos;s menu access</source>
        <translation>fijar el acceso a los menús del terminal</translation>
    </message>
    <message>
        <source>restricted or full</source>
        <translation>restricted o full</translation>
    </message>
    <message>
        <source>set the start mode</source>
        <translation>fijar el modo de arranque</translation>
    </message>
    <message>
        <source>manual, gas or kero</source>
        <translation>manual, gas o kero</translation>
    </message>
    <message>
        <source>calibrate the temperature at the ambient given</source>
        <translation>calibrar la temperatura con la temperatura ambiente indicada</translation>
    </message>
    <message>
        <source>the ambient temperature in C (22 unless given)</source>
        <translation>la temperatura ambiente en C (22 si no se indica)</translation>
    </message>
    <message>
        <source>cal-temp needs the ambient temperature in C, not &apos;%1&apos;</source>
        <translation>cal-temp necesita la temperatura ambiente en C, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>write a clone file into the unit, then calibrate</source>
        <translation>escribir un archivo de clonación en la centralita y luego calibrar</translation>
    </message>
    <message>
        <source>run the hardware test and print its result</source>
        <translation>ejecutar la prueba de hardware y mostrar su resultado</translation>
    </message>
    <message>
        <source>the acceleration and deceleration ramps</source>
        <translation>las rampas de aceleración y deceleración</translation>
    </message>
    <message>
        <source>save the unit&apos;s ramps to a file</source>
        <translation>guardar las rampas de la centralita en un archivo</translation>
    </message>
    <message>
        <source>the ramp file to write</source>
        <translation>el archivo de rampas que se escribe</translation>
    </message>
    <message>
        <source>write a ramp file into the unit, checked afterwards</source>
        <translation>escribir un archivo de rampas en la centralita, con comprobación posterior</translation>
    </message>
    <message>
        <source>the ramp file to read</source>
        <translation>el archivo de rampas que se lee</translation>
    </message>
    <message>
        <source>print a ramp file&apos;s table with its relative speeds, without a unit</source>
        <translation>mostrar la tabla de un archivo de rampas con sus velocidades relativas, sin centralita</translation>
    </message>
    <message>
        <source>and its chart as a picture</source>
        <translation>y su gráfico como imagen</translation>
    </message>
    <message>
        <source>the unit&apos;s run log (the last 51 minutes) to a text file, with its configuration at the end; kept in the engine logbook too</source>
        <translation>descargar el registro de funcionamiento de la centralita (los últimos 51 minutos) en un archivo de texto, con su configuración al final; se guarda también en la bitácora de turbinas</translation>
    </message>
    <message>
        <source>the export file to write</source>
        <translation>el archivo de exportación que se escribe</translation>
    </message>
    <message>
        <source>the logbook&apos;s engine (the unit&apos;s own when known, else one named with its welcome text)</source>
        <translation>la turbina de la bitácora (la de la centralita si se conoce; si no, una con el nombre de su texto de bienvenida)</translation>
    </message>
    <message>
        <source>draw an exported run log as a picture or a PDF page</source>
        <translation>dibujar un registro de funcionamiento exportado como imagen o página PDF</translation>
    </message>
    <message>
        <source>the export file to read</source>
        <translation>el archivo de exportación que se lee</translation>
    </message>
    <message>
        <source>the chart as a picture</source>
        <translation>el gráfico como imagen</translation>
    </message>
    <message>
        <source>the chart as a PDF page</source>
        <translation>el gráfico como página PDF</translation>
    </message>
    <message>
        <source>the first minute drawn (0 unless given)</source>
        <translation>el primer minuto dibujado (0 si no se indica)</translation>
    </message>
    <message>
        <source>the last minute drawn (51.2 unless given)</source>
        <translation>el último minuto dibujado (51.2 si no se indica)</translation>
    </message>
    <message>
        <source>timechart needs --png OUT.png or --pdf OUT.pdf</source>
        <translation>timechart necesita --png OUT.png o --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>run logs</source>
        <translation>registros de funcionamiento</translation>
    </message>
    <message>
        <source>a raw run log (one byte a line) to an export file</source>
        <translation>convertir un registro de funcionamiento sin procesar (un byte por línea) en un archivo de exportación</translation>
    </message>
    <message>
        <source>the raw run log to read</source>
        <translation>el registro de funcionamiento sin procesar que se lee</translation>
    </message>
    <message>
        <source>the engine runs of an export file, one line each: cycle, start minute, seconds, time to idle, peak start EGT, largest RPM and EGT, mean pump at or above idle</source>
        <translation>los ciclos de turbina de un archivo de exportación, una línea por ciclo: ciclo, minuto de inicio, segundos, tiempo hasta ralentí, EGT máx. de arranque, RPM y EGT máximas, bomba media en ralentí o más</translation>
    </message>
    <message>
        <source>the idle speed, for a file without the unit&apos;s configuration</source>
        <translation>la velocidad de ralentí, para un archivo sin la configuración de la centralita</translation>
    </message>
    <message>
        <source>the engine logbook: every download kept per engine</source>
        <translation>la bitácora de turbinas: cada descarga guardada por turbina</translation>
    </message>
    <message>
        <source>one line per engine: name, runs, minutes of running, flagged runs</source>
        <translation>una línea por turbina: nombre, ciclos, minutos de funcionamiento, ciclos marcados</translation>
    </message>
    <message>
        <source>an engine&apos;s runs in time order: the download&apos;s date and file, the values of runlog runs, and the run&apos;s flag</source>
        <translation>los ciclos de una turbina en orden cronológico: fecha y archivo de la descarga, los valores de runlog runs y la marca del ciclo</translation>
    </message>
    <message>
        <source>the engine&apos;s name</source>
        <translation>el nombre de la turbina</translation>
    </message>
    <message>
        <source>add export files made before (a file already there adds nothing)</source>
        <translation>añadir archivos de exportación hechos antes (un archivo ya presente no añade nada)</translation>
    </message>
    <message>
        <source>the export files to read</source>
        <translation>los archivos de exportación que se leen</translation>
    </message>
    <message>
        <source>the engine they belong to (else the one their welcome text is known as, or a new one named with it)</source>
        <translation>la turbina a la que pertenecen (si no, la conocida por su texto de bienvenida, o una nueva con ese nombre)</translation>
    </message>
    <message>
        <source>the unit&apos;s idle speed, for files without the unit&apos;s configuration (kept for the engine; its runs measured again)</source>
        <translation>la velocidad de ralentí de la centralita, para archivos sin su configuración (se guarda para la turbina; sus ciclos se miden de nuevo)</translation>
    </message>
    <message>
        <source>the unit&apos;s full speed, kept for the engine likewise</source>
        <translation>la velocidad de plena potencia de la centralita, guardada igualmente para la turbina</translation>
    </message>
    <message>
        <source>the unit&apos;s maximum EGT, kept for the engine likewise</source>
        <translation>la EGT máxima de la centralita, guardada igualmente para la turbina</translation>
    </message>
    <message>
        <source>record a service of the engine: its baseline and time since service start again</source>
        <translation>registrar un mantenimiento de la turbina: su referencia y el tiempo desde el mantenimiento empiezan de nuevo</translation>
    </message>
    <message>
        <source>what was done</source>
        <translation>lo que se hizo</translation>
    </message>
    <message>
        <source>free the space of kept downloads the logbook holds (it makes them again when one is opened) and of older ones, and compact the logbook; says what it freed</source>
        <translation>liberar el espacio de las descargas guardadas de las que la bitácora tiene copia (las rehace al abrir una) y de las más antiguas, y compactar la bitácora; indica lo que ha liberado</translation>
    </message>
    <message>
        <source>an engine&apos;s report as a PDF page</source>
        <translation>el informe de una turbina como página PDF</translation>
    </message>
    <message>
        <source>the page to write</source>
        <translation>la página que se escribe</translation>
    </message>
    <message>
        <source>the performance chart</source>
        <translation>el gráfico de rendimiento</translation>
    </message>
    <message>
        <source>a measure file&apos;s printed page, as a PDF</source>
        <translation>la página impresa de un archivo de medidas, como PDF</translation>
    </message>
    <message>
        <source>the measure file to read</source>
        <translation>el archivo de medidas que se lee</translation>
    </message>
    <message>
        <source>a measure file drawn on the chart, as a picture</source>
        <translation>un archivo de medidas dibujado en el gráfico, como imagen</translation>
    </message>
    <message>
        <source>the picture to write</source>
        <translation>la imagen que se escribe</translation>
    </message>
    <message>
        <source>record the chart&apos;s points while the engine is hot (above 100 C), as the chart window does, until Ctrl-C</source>
        <translation>registrar los puntos del gráfico mientras la turbina está caliente (más de 100 C), como hace la ventana del gráfico, hasta Ctrl-C</translation>
    </message>
    <message>
        <source>the measure file to write</source>
        <translation>el archivo de medidas que se escribe</translation>
    </message>
    <message>
        <source>or for S seconds</source>
        <translation>o durante S segundos</translation>
    </message>
    <message>
        <source>what differs between two clone files, or between the unit and a clone file, one line a setting</source>
        <translation>mostrar lo que difiere entre dos archivos de clonación, o entre la centralita y un archivo de clonación, una línea por ajuste</translation>
    </message>
    <message>
        <source>a clone file</source>
        <translation>un archivo de clonación</translation>
    </message>
    <message>
        <source>a second clone file; the unit when left out</source>
        <translation>un segundo archivo de clonación; la centralita si se omite</translation>
    </message>
    <message>
        <source>the files come from a downward unit</source>
        <translation>los archivos vienen de una centralita downward</translation>
    </message>
    <message>
        <source>diff of two files reads no unit: leave out --device</source>
        <translation>diff de dos archivos no lee ninguna centralita: omita --device</translation>
    </message>
    <message>
        <source>--downward is for two files; the unit says its own kind</source>
        <translation>--downward es para dos archivos; la centralita indica su propio tipo</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <source>(no options)</source>
        <translation>(sin opciones)</translation>
    </message>
    <message>
        <source>Exit status:
  0    done
  1    diff: the two sides differ
  2    no unit, the unit was lost, or it did not answer; the window: no display
  3    a bad file, entry or output path (nothing was sent)
  4    refused by the unit, or a check failed (write protected, the other kind
       of unit, a write the unit does not hold, a calibration that gives Error)
  64   a command line that cannot be run
  130  interrupted by Ctrl-C (SIGINT); 143 by SIGTERM
</source>
        <translation>Estado de salida:
  0    hecho
  1    diff: los dos lados difieren
  2    sin centralita, se perdió o no respondió; la ventana: sin pantalla
  3    un archivo, dato o ruta de salida incorrectos (no se envió nada)
  4    rechazo de la centralita o comprobación fallida (escritura protegida,
       otro tipo de centralita, escritura no retenida, calibración con Error)
  64   una línea de órdenes que no se puede ejecutar
  130  interrumpido con Ctrl-C (SIGINT); 143 con SIGTERM
</translation>
    </message>
    <message>
        <source>Global options (before or after the command):</source>
        <translation>Opciones generales (antes o después de la orden):</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 necesita %2</translation>
    </message>
    <message>
        <source>not expected here: %1</source>
        <translation>no se esperaba aquí: %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 es obligatorio</translation>
    </message>
    <message>
        <source>%1 needs its value %2</source>
        <translation>%1 necesita su valor %2</translation>
    </message>
    <message>
        <source>%1 is one of %2, not &apos;%3&apos;</source>
        <translation>%1 debe ser uno de %2, no &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value, not &apos;%2&apos;</source>
        <translation>%1 no admite ningún valor: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the engine logbook: a file, or a shop&apos;s server as postgresql://USER@HOST[:PORT]/DB[?sslmode=require] (its password in ~/.pgpass or PGPASSWORD); the settings&apos; [Logbook] Url, else the user&apos;s logbook.sqlite, unless given</source>
        <translation>la bitácora de la turbina: un archivo, o el servidor de un taller como postgresql://USER@HOST[:PORT]/DB[?sslmode=require] (su contraseña en ~/.pgpass o PGPASSWORD); si no se indica, [Logbook] Url de la configuración, o el logbook.sqlite del usuario</translation>
    </message>
    <message>
        <source>copy this logbook to another, or another into it, as a shop moves its logbook to a server: what the other holds already is not copied again</source>
        <translation>copiar esta bitácora a otra, u otra a esta, como cuando un taller lleva su bitácora a un servidor: lo que la otra ya contiene no se copia de nuevo</translation>
    </message>
    <message>
        <source>the logbook to copy into: a file or postgresql://USER@HOST[:PORT]/DB</source>
        <translation>la bitácora de destino: un archivo o postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>the logbook to copy from, into this one</source>
        <translation>la bitácora de la que se copia a esta</translation>
    </message>
    <message>
        <source>logbook copy needs --to LOGBOOK or --from LOGBOOK</source>
        <translation>logbook copy necesita --to LOGBOOK o --from LOGBOOK</translation>
    </message>
    <message>
        <source>another export&apos;s run of that cycle, dotted over the chart from the first run drawn</source>
        <translation>el ciclo de ese número de otro archivo exportado, punteado sobre el gráfico desde el primer ciclo dibujado</translation>
    </message>
    <message>
        <source>--overlay takes FILE.txt:CYCLE, not &apos;%1&apos;</source>
        <translation>--overlay admite FILE.txt:CYCLE, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>speed, EGT, stick and pump of an export file at two minutes, their difference, and the minimum, maximum and mean between them</source>
        <translation>velocidad, EGT, palanca y bomba de un archivo exportado en dos minutos, su diferencia, y el mínimo, el máximo y la media entre ellos</translation>
    </message>
    <message>
        <source>the first minute, A (0 unless given)</source>
        <translation>el primer minuto, A (0 si no se indica)</translation>
    </message>
    <message>
        <source>the second minute, B (51.2 unless given)</source>
        <translation>el segundo minuto, B (51.2 si no se indica)</translation>
    </message>
</context>
<context>
    <name>norva::DeviceChoice</name>
    <message>
        <source>device %1: %2</source>
        <translation>dispositivo %1: %2</translation>
    </message>
    <message>
        <source>device %1: expected tcp:HOST:PORT with a port of 1 to 65535</source>
        <translation>dispositivo %1: se esperaba tcp:HOST:PORT con un puerto de 1 a 65535</translation>
    </message>
    <message>
        <source>device %1: speed takes 1 to 32 (times real time)</source>
        <translation>dispositivo %1: speed admite de 1 a 32 (veces el tiempo real)</translation>
    </message>
    <message>
        <source>device %1: expected replay:FILE.txt[:speed=N]</source>
        <translation>dispositivo %1: se esperaba replay:FILE.txt[:speed=N]</translation>
    </message>
    <message>
        <source>unknown device &apos;%1&apos;: use hid, sim, sim:downward, tcp:HOST:PORT or replay:FILE.txt</source>
        <translation>dispositivo desconocido &apos;%1&apos;: use hid, sim, sim:downward, tcp:HOST:PORT o replay:FILE.txt</translation>
    </message>
</context>
<context>
    <name>norva::DifferencesWindow</name>
    <message>
        <source>Compare with file</source>
        <translation>Comparar con archivo</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Compare with file: %1</source>
        <translation>Comparar con archivo: %1</translation>
    </message>
    <message>
        <source>The unit holds every value of %1.</source>
        <translation>La centralita contiene todos los valores de %1.</translation>
    </message>
    <message>
        <source>Unit -&gt; %1, %2 %3:
</source>
        <translation>Centralita -&gt; %1, %2 %3:
</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>diferencia</translation>
    </message>
    <message>
        <source>differences</source>
        <translation>diferencias</translation>
    </message>
</context>
<context>
    <name>norva::DownloadWindow</name>
    <message>
        <source>Download measures</source>
        <translation>Descargar medidas</translation>
    </message>
    <message>
        <source>About the download</source>
        <translation>Acerca de la descarga</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Espere</translation>
    </message>
    <message>
        <source>Download measures and configuration</source>
        <translation>Descargar medidas y configuración</translation>
    </message>
    <message>
        <source>Download Measures</source>
        <translation>Descargar medidas</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>The download stopped at %1%.</source>
        <translation>La descarga se detuvo al %1%.</translation>
    </message>
    <message>
        <source>No file was exported.</source>
        <translation>No se exportó ningún archivo.</translation>
    </message>
    <message>
        <source>Download progress %1%</source>
        <translation>Progreso de la descarga %1%</translation>
    </message>
    <message>
        <source>%1% received, %2 s left</source>
        <translation>%1% recibido, quedan %2 s</translation>
    </message>
    <message>
        <source>Kept with the recent downloads; no file was exported.</source>
        <translation>Guardada con las descargas recientes; no se exportó ningún archivo.</translation>
    </message>
    <message>
        <source> To initiate the download of the last 51 minutes of engine run stored in the NORVA memory, it should be recently reseted and with the trim and throttle low. In the terminal the reading TRIM LOW must be displayed. The output is a text file, and each line are the values recorded each 0,5s. You can open it later using Notepad or import directly to Excel</source>
        <translation> Para descargar los últimos 51 minutos de funcionamiento guardados en la memoria de la NORVA, debe haberse reiniciado hace poco y tener el trim y el acelerador abajo. En el terminal debe verse TRIM LOW. El resultado es un archivo de texto; cada línea contiene los valores registrados cada 0,5 s. Puede abrirse después con un editor de texto o importarse directamente en una hoja de cálculo</translation>
    </message>
</context>
<context>
    <name>norva::FactorySetupWindow</name>
    <message>
        <source>Factory Setup</source>
        <translation>Ajuste de fábrica</translation>
    </message>
    <message>
        <source>Max.Authorized R.P.M.</source>
        <translation>Máx. autorizado en R.P.M.</translation>
    </message>
    <message>
        <source>Max. Authorized Speed</source>
        <translation>Velocidad máx. autorizada</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Cal. temp AUTO</source>
        <translation>Cal. temp. AUTO</translation>
    </message>
    <message>
        <source>Ambient temperature (°C)</source>
        <translation>Temperatura ambiente (°C)</translation>
    </message>
    <message>
        <source>Set restricted menus</source>
        <translation>Menús restringidos</translation>
    </message>
    <message>
        <source>Set full acces menus</source>
        <translation>Fijar acceso total a menús</translation>
    </message>
    <message>
        <source>Fast setup</source>
        <translation>Ajuste rápido</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Sin archivo elegido</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Kero</source>
        <translation>Kero</translation>
    </message>
    <message>
        <source>TestHard</source>
        <translation>Prueba HW</translation>
    </message>
</context>
<context>
    <name>norva::HidapiBackend</name>
    <message>
        <source>NORVA unit found at %1, but this user may not open it (permission denied).</source>
        <translation>Se encontró una centralita NORVA en %1, pero este usuario no puede abrirla (permiso denegado).</translation>
    </message>
    <message>
        <source>The udev rule %1 lets the user at the seat, and the members of group plugdev, open it.
To put it in force, as root:</source>
        <translation>La regla udev %1 permite abrirla al usuario del puesto y a los miembros del grupo plugdev.
Para aplicarla, como root:</translation>
    </message>
    <message>
        <source>To allow it, install the udev rule %1, as root:</source>
        <translation>Para permitirlo, instale la regla udev %1, como root:</translation>
    </message>
    <message>
        <source>then unplug the unit and plug it in again.</source>
        <translation>después desconecte la centralita y vuelva a conectarla.</translation>
    </message>
</context>
<context>
    <name>norva::IniFile</name>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
</context>
<context>
    <name>norva::Library</name>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1: no se puede crear la carpeta</translation>
    </message>
</context>
<context>
    <name>norva::Logbook</name>
    <message>
        <source>The logbook %1 cannot be used: %2</source>
        <translation>No se puede usar la bitácora %1: %2</translation>
    </message>
    <message>
        <source>The logbook %1 is damaged (SQLite: %2): nothing was read</source>
        <translation>La bitácora %1 está dañada (SQLite: %2): no se leyó nada</translation>
    </message>
    <message>
        <source>it was written by a newer program (schema %1)</source>
        <translation>la escribió un programa más reciente (esquema %1)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (libqt6sql6-sqlite)</source>
        <translation>el controlador SQLite de Qt no está instalado (libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>another engine is named so</source>
        <translation>otra turbina ya tiene ese nombre</translation>
    </message>
    <message>
        <source>no engine %1</source>
        <translation>no hay ninguna turbina %1</translation>
    </message>
    <message>
        <source>the logbook %1 holds no copy of that download</source>
        <translation>la bitácora %1 no contiene ninguna copia de esa descarga</translation>
    </message>
    <message>
        <source>The logbook at %1 is read-only for %2: nothing was changed.</source>
        <translation>La bitácora en %1 es de solo lectura para %2: no se cambió nada.</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (libqt6sql6-psql)</source>
        <translation>El controlador PostgreSQL de Qt no está instalado (libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>The logbook at %1 is read-only for %2: nothing was imported.</source>
        <translation>La bitácora en %1 es de solo lectura para %2: no se importó nada.</translation>
    </message>
</context>
<context>
    <name>norva::LogbookLocation</name>
    <message>
        <source>the logbook&apos;s URL is not postgresql://USER@HOST[:PORT]/DB</source>
        <translation>la URL de la bitácora no es postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>the logbook&apos;s URL holds a password: put it in ~/.pgpass or PGPASSWORD instead, where no other user can read it</source>
        <translation>la URL de la bitácora contiene una contraseña: póngala en ~/.pgpass o en PGPASSWORD, donde ningún otro usuario pueda leerla</translation>
    </message>
    <message>
        <source>the logbook&apos;s URL needs a user and a database: postgresql://USER@HOST[:PORT]/DB</source>
        <translation>la URL de la bitácora necesita un usuario y una base de datos: postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>the logbook&apos;s URL takes only ?sslmode=%1</source>
        <translation>la URL de la bitácora solo admite ?sslmode=%1</translation>
    </message>
</context>
<context>
    <name>norva::LogbookWindow</name>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
    <message>
        <source>Save engine report</source>
        <translation>Guardar informe de turbina</translation>
    </message>
    <message>
        <source>PDF document(*.pdf)|*.pdf</source>
        <translation>Documento PDF(*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>No se pudo escribir el informe: %1</translation>
    </message>
    <message>
        <source>NORVA Logbook</source>
        <translation>Bitácora NORVA</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Turbinas</translation>
    </message>
    <message>
        <source>&amp;Import download…</source>
        <translation>&amp;Importar descarga…</translation>
    </message>
    <message>
        <source>&amp;Move download…</source>
        <translation>&amp;Mover descarga…</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>Cambiar &amp;nombre…</translation>
    </message>
    <message>
        <source>Ser&amp;vice done…</source>
        <translation>Mantenimiento &amp;realizado…</translation>
    </message>
    <message>
        <source>Runs as &amp;CSV…</source>
        <translation>Ciclos como &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print report…</source>
        <translation>Im&amp;primir informe…</translation>
    </message>
    <message>
        <source>Save report as P&amp;DF…</source>
        <translation>Guardar informe como P&amp;DF…</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Ciclos</translation>
    </message>
    <message>
        <source>Trend %1 shows</source>
        <translation>La tendencia %1 muestra</translation>
    </message>
    <message>
        <source>Trend %1</source>
        <translation>Tendencia %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: reading its runs…</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: leyendo sus ciclos…</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2): %3, %4, %5 min of running, %6 flagged, %7.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2): %3, %4, %5 min de funcionamiento, %6 marcados, %7.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>serie %1</translation>
    </message>
    <message>
        <source>welcome text &quot;%1&quot;</source>
        <translation>texto de bienvenida &quot;%1&quot;</translation>
    </message>
    <message>
        <source> The unit counts %1 cycles and %2 min in total.</source>
        <translation> La centralita cuenta %1 ciclos y %2 min en total.</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;&lt;span style=&quot;color:#c00000&quot;&gt;%1&lt;/span&gt;&lt;/b&gt;</source>
        <translation>&lt;br&gt;&lt;b&gt;&lt;span style=&quot;color:#c00000&quot;&gt;%1&lt;/span&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source> since the service</source>
        <translation> desde el mantenimiento</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Rename engine</source>
        <translation>Cambiar nombre de turbina</translation>
    </message>
    <message>
        <source>The engine&apos;s new name:</source>
        <translation>Nuevo nombre de la turbina:</translation>
    </message>
    <message>
        <source>Choose a run of the download to move first.</source>
        <translation>Elija primero un ciclo de la descarga que desea mover.</translation>
    </message>
    <message>
        <source>Move download</source>
        <translation>Mover descarga</translation>
    </message>
    <message>
        <source>Move %1 and its runs to the engine:</source>
        <translation>Mover %1 y sus ciclos a la turbina:</translation>
    </message>
    <message>
        <source>The new engine&apos;s name:</source>
        <translation>Nombre de la turbina nueva:</translation>
    </message>
    <message>
        <source>The download could not be moved: %1</source>
        <translation>No se pudo mover la descarga: %1</translation>
    </message>
    <message>
        <source>Import download</source>
        <translation>Importar descarga</translation>
    </message>
    <message>
        <source>Run-log export(*.txt)|*.txt</source>
        <translation>Registro de funcionamiento exportado(*.txt)|*.txt</translation>
    </message>
    <message>
        <source>without the unit&apos;s welcome text</source>
        <translation>sin el texto de bienvenida de la centralita</translation>
    </message>
    <message>
        <source>from a unit new to the logbook (welcome text &quot;%1&quot;)</source>
        <translation>de una centralita nueva en la bitácora (texto de bienvenida &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>%1 is %2. The engine&apos;s name:%3</source>
        <translation>%1 viene %2. Nombre de la turbina:%3</translation>
    </message>
    <message>
        <source>
(known: %1)</source>
        <translation>
(conocidas: %1)</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>No se importó %1: %2</translation>
    </message>
    <message>
        <source>Idle speed</source>
        <translation>Velocidad de ralentí</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a speed in RPM: the idle speed stays unknown.</source>
        <translation>&quot;%1&quot; no es una velocidad en RPM: la velocidad de ralentí sigue siendo desconocida.</translation>
    </message>
    <message>
        <source>Service done</source>
        <translation>Mantenimiento realizado</translation>
    </message>
    <message>
        <source>The service could not be recorded: %1</source>
        <translation>No se pudo registrar el mantenimiento: %1</translation>
    </message>
    <message>
        <source>Save runs as CSV</source>
        <translation>Guardar ciclos como CSV</translation>
    </message>
    <message>
        <source>CSV file(*.csv)|*.csv</source>
        <translation>Archivo CSV(*.csv)|*.csv</translation>
    </message>
    <message>
        <source>%1 of %2 went to %3.</source>
        <translation>%1 de %2 se escribieron en %3.</translation>
    </message>
    <message>
        <source>1 run</source>
        <translation>1 ciclo</translation>
    </message>
    <message>
        <source>%1 runs</source>
        <translation>%1 ciclos</translation>
    </message>
    <message>
        <source>1 start</source>
        <translation>1 arranque</translation>
    </message>
    <message>
        <source>%1 starts</source>
        <translation>%1 arranques</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 evento</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 eventos</translation>
    </message>
    <message>
        <source>&lt;br&gt;Last service %1 (%2); since then %3, %4 min of running.</source>
        <translation>&lt;br&gt;Último mantenimiento %1 (%2); desde entonces %3, %4 min de funcionamiento.</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>hace 1 día</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>hace %1 días</translation>
    </message>
    <message>
        <source>&lt;br&gt;Baseline of its first %1 measured starts%2: %3 C at start, idle after %4 s. Flagged: more than %5 C hotter, or more than %6 times as long.</source>
        <translation>&lt;br&gt;Referencia de sus primeros %1 arranques medidos%2: %3 C en el arranque, ralentí a los %4 s. Marcado: más de %5 C más caliente, o más de %6 veces más largo.</translation>
    </message>
    <message>
        <source>&lt;br&gt;No measured start since the service: its baseline is taken from the next ones.</source>
        <translation>&lt;br&gt;Ningún arranque medido desde el mantenimiento: su referencia se toma de los siguientes.</translation>
    </message>
    <message>
        <source>&lt;br&gt;%1 recorded; the last: %2 on %3%4.</source>
        <translation>&lt;br&gt;%1 registradas; la última: %2 el %3%4.</translation>
    </message>
    <message>
        <source>1 operation</source>
        <translation>1 operación</translation>
    </message>
    <message>
        <source>%1 operations</source>
        <translation>%1 operaciones</translation>
    </message>
    <message>
        <source>A new engine…</source>
        <translation>Una turbina nueva…</translation>
    </message>
    <message>
        <source>%1: already in the logbook</source>
        <translation>%1: ya está en la bitácora</translation>
    </message>
    <message>
        <source>%1: %2, %3 runs added, %4 replaced, %5 already there</source>
        <translation>%1: %2, %3 ciclos añadidos, %4 sustituidos, %5 ya presentes</translation>
    </message>
    <message>
        <source>No engine in the logbook yet: every download goes in by itself.</source>
        <translation>Aún no hay turbinas en la bitácora: cada descarga entra por sí sola.</translation>
    </message>
    <message>
        <source>The engine could not be renamed to &quot;%1&quot;: %2</source>
        <translation>No se pudo cambiar el nombre de la turbina a &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 holds no configuration, and the idle speed of %2 is not known yet: without it no start is measured. Its idle speed in RPM (kept for the engine; empty: leave it unknown):</source>
        <translation>%1 no contiene configuración y aún no se conoce la velocidad de ralentí de %2: sin ella no se mide ningún arranque. Su velocidad de ralentí en RPM (se guarda para la turbina; vacío: dejarla desconocida):</translation>
    </message>
    <message>
        <source>A service of %1, done now: its baseline and its time since service start again. What was done (may be left empty):</source>
        <translation>Mantenimiento de %1, realizado ahora: su referencia y su tiempo desde el mantenimiento empiezan de nuevo. Lo que se hizo (puede dejarse vacío):</translation>
    </message>
    <message>
        <source>Logbook</source>
        <translation>Bitácora</translation>
    </message>
    <message>
        <source>The password of %1 for the logbook at %2:</source>
        <translation>La contraseña de %1 para la bitácora en %2:</translation>
    </message>
</context>
<context>
    <name>norva::MainWindow</name>
    <message>
        <source>No unit found. Plug the NORVA unit in</source>
        <translation>No se encontró ninguna centralita. Conecte la centralita NORVA</translation>
    </message>
    <message>
        <source> (on Linux it needs the udev rule described in the README)</source>
        <translation> (en Linux necesita la regla udev descrita en el README)</translation>
    </message>
    <message>
        <source>, or start the program with --device sim to try it.</source>
        <translation>, o inicie el programa con --device sim para probarlo.</translation>
    </message>
    <message>
        <source>NORVA System</source>
        <translation>NORVA System</translation>
    </message>
    <message>
        <source>No unit</source>
        <translation>Sin centralita</translation>
    </message>
    <message>
        <source>Stick position</source>
        <translation>Posición de la palanca</translation>
    </message>
    <message>
        <source>Pump Power</source>
        <translation>Potencia de la bomba</translation>
    </message>
    <message>
        <source>Battery Amperage</source>
        <translation>Corriente de la batería</translation>
    </message>
    <message>
        <source>Battery Voltage</source>
        <translation>Tensión de la batería</translation>
    </message>
    <message>
        <source>USB Connection</source>
        <translation>Conexión USB</translation>
    </message>
    <message>
        <source>Menu UP</source>
        <translation>Menú SUBE</translation>
    </message>
    <message>
        <source>Menu down</source>
        <translation>Menú BAJA</translation>
    </message>
    <message>
        <source>Data UP</source>
        <translation>Dato SUBE</translation>
    </message>
    <message>
        <source>Data Down</source>
        <translation>Dato BAJA</translation>
    </message>
    <message>
        <source>Norva Power from USB</source>
        <translation>Norva alimentada por USB</translation>
    </message>
    <message>
        <source>Saving Parameters</source>
        <translation>Guardando parámetros</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Save parameters to a file</source>
        <translation>Guardar parámetros en un archivo</translation>
    </message>
    <message>
        <source>&amp;Write parameters from a file</source>
        <translation>&amp;Escribir parámetros desde un archivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>&amp;Gráficos</translation>
    </message>
    <message>
        <source>&amp;Performance Graph</source>
        <translation>Gráfico de &amp;rendimiento</translation>
    </message>
    <message>
        <source>&amp;Time Graph</source>
        <translation>Gráfico &amp;temporal</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Parámetros</translation>
    </message>
    <message>
        <source>&amp;Ramps</source>
        <translation>&amp;Rampas</translation>
    </message>
    <message>
        <source>&amp;Credits</source>
        <translation>&amp;Créditos</translation>
    </message>
    <message>
        <source>&amp;Download </source>
        <translation>&amp;Descarga </translation>
    </message>
    <message>
        <source>&amp;Logbook</source>
        <translation>&amp;Bitácora</translation>
    </message>
    <message>
        <source>&amp;Manufacturer</source>
        <translation>&amp;Fabricante</translation>
    </message>
    <message>
        <source>Save all</source>
        <translation>Guardar todo</translation>
    </message>
    <message>
        <source>Write all (clone)</source>
        <translation>Escribir todo (clonar)</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Comparar con archivo…</translation>
    </message>
    <message>
        <source>Clear all timers</source>
        <translation>Reiniciar contadores</translation>
    </message>
    <message>
        <source>Clear Service Timer</source>
        <translation>Reiniciar mantenimiento</translation>
    </message>
    <message>
        <source>Set Serial Number</source>
        <translation>Fijar número de serie</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Avanzado</translation>
    </message>
    <message>
        <source>&amp;Stop replay</source>
        <translation>Dete&amp;ner reproducción</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <translation>%1, serie %2</translation>
    </message>
    <message>
        <source>Nothing answers at %1. Start the unit&apos;s server there (norva-sim --listen tcp:%1), or start the program with --device sim to try it.</source>
        <translation>Nada responde en %1. Inicie allí el servidor de la centralita (norva-sim --listen tcp:%1), o inicie el programa con --device sim para probarlo.</translation>
    </message>
</context>
<context>
    <name>norva::PerfChart</name>
    <message>
        <source>the file ends inside a record: %1 values, four to a record</source>
        <translation>el archivo termina a mitad de un registro: %1 valores, cuatro por registro</translation>
    </message>
</context>
<context>
    <name>norva::PerformanceChartWindow</name>
    <message>
        <source>: the measures could not be copied there: </source>
        <translation>: no se pudieron copiar allí las medidas: </translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>No se pudo abrir la impresora.</translation>
    </message>
    <message>
        <source>Thrust Calibration</source>
        <translation>Calibración del empuje</translation>
    </message>
    <message>
        <source>Input the correction value</source>
        <translation>Introduzca el valor de corrección</translation>
    </message>
    <message>
        <source>NORVA Graphic</source>
        <translation>Gráfico NORVA</translation>
    </message>
    <message>
        <source>E.G.T.(ºC)</source>
        <translation>E.G.T.(ºC)</translation>
    </message>
    <message>
        <source>Pressure (Bar)</source>
        <translation>Presión (Bar)</translation>
    </message>
    <message>
        <source>Thrust (N)</source>
        <translation>Empuje (N)</translation>
    </message>
    <message>
        <source>Thrust(N)</source>
        <translation>Empuje(N)</translation>
    </message>
    <message>
        <source>Performance chart</source>
        <translation>Gráfico de rendimiento</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save measures to file</source>
        <translation>&amp;Guardar medidas en archivo</translation>
    </message>
    <message>
        <source>&amp;Display measures from file</source>
        <translation>&amp;Mostrar medidas de archivo</translation>
    </message>
    <message>
        <source>&amp;Print measures from File</source>
        <translation>&amp;Imprimir medidas de archivo</translation>
    </message>
    <message>
        <source>&amp;Clear Graph</source>
        <translation>&amp;Borrar gráfico</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Thrust</source>
        <translation>&amp;Empuje</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Auxiliar input</source>
        <translation>Entrada auxiliar</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>%1. Nothing of it was drawn.</source>
        <translation>%1. No se dibujó nada.</translation>
    </message>
    <message>
        <source>%1. Nothing was printed.</source>
        <translation>%1. No se imprimió nada.</translation>
    </message>
</context>
<context>
    <name>norva::Program</name>
    <message>
        <source>%1; the default settings are used</source>
        <translation>%1; se usan los ajustes predeterminados</translation>
    </message>
</context>
<context>
    <name>norva::Ramps</name>
    <message>
        <source>Full throttle speed</source>
        <translation>Velocidad de plena potencia</translation>
    </message>
    <message>
        <source>Idle speed</source>
        <translation>Velocidad de ralentí</translation>
    </message>
    <message>
        <source>Acceleration row %1 absolute speed</source>
        <translation>Velocidad absoluta de la fila %1 de aceleración</translation>
    </message>
    <message>
        <source>Acceleration row %1 slope</source>
        <translation>Pendiente de la fila %1 de aceleración</translation>
    </message>
    <message>
        <source>Deceleration row %1 absolute speed</source>
        <translation>Velocidad absoluta de la fila %1 de deceleración</translation>
    </message>
    <message>
        <source>Deceleration row %1 slope</source>
        <translation>Pendiente de la fila %1 de deceleración</translation>
    </message>
    <message>
        <source>%1 is not a number: &apos;%2&apos;</source>
        <translation>%1 no es un número: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>writing the ramps</source>
        <translation>escribir las rampas</translation>
    </message>
    <message>
        <source>the ramp write</source>
        <translation>la escritura de rampas</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Espere</translation>
    </message>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Datos de copia de seguridad no disponibles, espere</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 no es un número</translation>
    </message>
    <message>
        <source>holds %1 values; a ramp file holds 34</source>
        <translation>contiene %1 valores; un archivo de rampas contiene 34</translation>
    </message>
</context>
<context>
    <name>norva::RampsWindow</name>
    <message>
        <source>Acceleration/Deceleration ramps</source>
        <translation>Rampas de aceleración/deceleración</translation>
    </message>
    <message>
        <source>Full throttle speed:</source>
        <translation>Plena potencia:</translation>
    </message>
    <message>
        <source>Idle speed:</source>
        <translation>Ralentí:</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Deceleration</source>
        <translation>Deceleración</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Espere</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Read NORVA</source>
        <translation>Leer NORVA</translation>
    </message>
    <message>
        <source>Write to NORVA</source>
        <translation>Escribir en NORVA</translation>
    </message>
    <message>
        <source>Ramp chart</source>
        <translation>Gráfico de rampas</translation>
    </message>
    <message>
        <source>How to edit the ramps</source>
        <translation>Cómo editar las rampas</translation>
    </message>
    <message>
        <source>Relative speed:</source>
        <translation>Vel. relativa:</translation>
    </message>
    <message>
        <source>Absolute Speed:</source>
        <translation>Vel. absoluta:</translation>
    </message>
    <message>
        <source>Slope Value:</source>
        <translation>Pend.:</translation>
    </message>
    <message>
        <source>Up to:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>%1 row %2, %3</source>
        <translation>%1 fila %2, %3</translation>
    </message>
    <message>
        <source>The unit takes 1 to 255: %1 will be sent</source>
        <translation>La centralita admite de 1 a 255: se enviará %1</translation>
    </message>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Datos de copia de seguridad no disponibles, espere</translation>
    </message>
    <message>
        <source>-Enter the absolute speed value from 0 to 255. 0 is idle and 255 is full power. If you fill the above fields whit the real idle and full power rpm, you will see the real rpm in to the relative speed column.  The slope values should be between 1 and 32, and the last value on the acceleration ramp should be of low value to avoid the posibility to overspeed the engine in accelerations close to max power.</source>
        <translation>-Introduzca la velocidad absoluta de 0 a 255: 0 es ralentí y 255 plena potencia. Si rellena arriba las velocidades reales de ralentí y de plena potencia, verá las RPM reales en la columna de velocidad relativa. Las pendientes deben estar entre 1 y 32, y el último valor de la rampa de aceleración debe ser bajo para evitar que la turbina se embale al acelerar cerca de la potencia máxima.</translation>
    </message>
    <message>
        <source>Norva ramp(*.rmp)|*.rmp</source>
        <translation>Rampa Norva(*.rmp)|*.rmp</translation>
    </message>
    <message>
        <source>%1. Nothing was saved.</source>
        <translation>%1. No se guardó nada.</translation>
    </message>
    <message>
        <source>Reading the unit&apos;s configuration…</source>
        <translation>Leyendo la configuración de la centralita…</translation>
    </message>
    <message>
        <source>Not a number: the relative speeds and the chart wait for a number here</source>
        <translation>No es un número: las velocidades relativas y el gráfico esperan aquí un número</translation>
    </message>
</context>
<context>
    <name>norva::Replay</name>
    <message>
        <source>%1: the export holds no samples to replay</source>
        <translation>%1: la exportación no contiene muestras que reproducir</translation>
    </message>
</context>
<context>
    <name>norva::RunLog</name>
    <message>
        <source>no ten zeros in a row after the preamble</source>
        <translation>no hay diez ceros seguidos tras el preámbulo</translation>
    </message>
    <message>
        <source>no 252 after the ten zeros</source>
        <translation>no hay un 252 tras los diez ceros</translation>
    </message>
    <message>
        <source>the log ends after the 252, where the 253 should follow</source>
        <translation>el registro termina tras el 252, donde debería seguir el 253</translation>
    </message>
    <message>
        <source>the 253 after the 252 is missing (found %1)</source>
        <translation>falta el 253 tras el 252 (se encontró %1)</translation>
    </message>
    <message>
        <source>the log ends after %1 of its %2 pages</source>
        <translation>el registro termina tras %1 de sus %2 páginas</translation>
    </message>
    <message>
        <source>expected a byte value from 0 to 255, found %1</source>
        <translation>se esperaba un valor de byte de 0 a 255; se encontró %1</translation>
    </message>
</context>
<context>
    <name>norva::Runs</name>
    <message>
        <source>not a run-log export: the first line is not the header %1</source>
        <translation>no es una exportación del registro de funcionamiento: la primera línea no es la cabecera %1</translation>
    </message>
    <message>
        <source>expected seven whole numbers (Cycle,Page,Aux,Temp,RPM,Throttle,Pump), found %1</source>
        <translation>se esperaban siete números enteros (Cycle,Page,Aux,Temp,RPM,Throttle,Pump); se encontró %1</translation>
    </message>
</context>
<context>
    <name>norva::Screenshot</name>
    <message>
        <source>Cancelled while waiting for the unit&apos;s configuration (%1 of 256 bytes); no picture was saved.</source>
        <translation>Cancelado al esperar la configuración de la centralita (%1 de 256 bytes); no se guardó ninguna imagen.</translation>
    </message>
    <message>
        <source>no unit was reached within %1 s; no picture was saved</source>
        <translation>no se alcanzó ninguna centralita en %1 s; no se guardó ninguna imagen</translation>
    </message>
    <message>
        <source>the unit&apos;s configuration was still incomplete (%1 of 256)</source>
        <translation>la configuración de la centralita aún estaba incompleta (%1 de 256)</translation>
    </message>
    <message>
        <source>cannot write the picture %1</source>
        <translation>no se puede escribir la imagen %1</translation>
    </message>
</context>
<context>
    <name>norva::Session</name>
    <message>
        <source>skipped a unit with vendor %1 and product %2 at %3: its reports are %4 and %5 bytes long, not %6.</source>
        <translation>se omitió una centralita con fabricante %1 y producto %2 en %3: sus informes miden %4 y %5 bytes, no %6.</translation>
    </message>
</context>
<context>
    <name>norva::TimeChart</name>
    <message>
        <source>The end must come after the start.</source>
        <translation>El final debe ser posterior al inicio.</translation>
    </message>
    <message>
        <source>no engine run of cycle %1</source>
        <translation>ningún ciclo de turbina con el número %1</translation>
    </message>
    <message>
        <source>%1, cycle %2</source>
        <translation>%1, ciclo %2</translation>
    </message>
</context>
<context>
    <name>norva::TimeChartWindow</name>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG picture(*.png)|*.png|PDF document(*.pdf)|*.pdf</source>
        <translation>Imagen PNG(*.png)|*.png|Documento PDF(*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The picture could not be written: %1</source>
        <translation>No se pudo escribir la imagen: %1</translation>
    </message>
    <message>
        <source>NORVA Time Graph</source>
        <translation>Gráfico temporal NORVA</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refrescar</translation>
    </message>
    <message>
        <source>Whole run</source>
        <translation>Ciclo entero</translation>
    </message>
    <message>
        <source>Initial Time (m)</source>
        <translation>Inicio (m)</translation>
    </message>
    <message>
        <source>End time (m)</source>
        <translation>Fin (m)</translation>
    </message>
    <message>
        <source>Time chart</source>
        <translation>Gráfico temporal</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Recent downloads</source>
        <translation>Descargas recientes</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Engine runs</source>
        <translation>Ciclos de turbina</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>Play the chosen run on the main window&apos;s dials</source>
        <translation>Reproducir el ciclo elegido en los indicadores de la ventana principal</translation>
    </message>
    <message>
        <source>No downloads kept yet</source>
        <translation>Aún no hay descargas guardadas</translation>
    </message>
    <message>
        <source>The engine did not run.</source>
        <translation>La turbina no funcionó.</translation>
    </message>
    <message>
        <source>%1 runs. Choose one to see it.</source>
        <translation>%1 ciclos. Elija uno para verlo.</translation>
    </message>
    <message>
        <source>Cycle %1: %2</source>
        <translation>Ciclo %1: %2</translation>
    </message>
    <message>
        <source>R.P.M.x1000</source>
        <translation>R.P.M.x1000</translation>
    </message>
    <message>
        <source>E.G.T.(ºC) x10</source>
        <translation>E.G.T.(ºC) x10</translation>
    </message>
    <message>
        <source>Throttle (%)</source>
        <translation>Acelerador (%)</translation>
    </message>
    <message>
        <source>Pump (%)</source>
        <translation>Bomba (%)</translation>
    </message>
    <message>
        <source>Thrust(N)</source>
        <translation>Empuje(N)</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Ciclo</translation>
    </message>
    <message>
        <source>The unit&apos;s cycle number</source>
        <translation>El número de ciclo de la centralita</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Minute of the log the run starts at</source>
        <translation>Minuto del registro en que empieza el ciclo</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Seconds the engine turned</source>
        <translation>Segundos que giró la turbina</translation>
    </message>
    <message>
        <source>To idle</source>
        <translation>Hasta ralentí</translation>
    </message>
    <message>
        <source>Seconds from the first turn to idle speed</source>
        <translation>Segundos desde el primer giro hasta el ralentí</translation>
    </message>
    <message>
        <source>Start EGT</source>
        <translation>EGT arranque</translation>
    </message>
    <message>
        <source>Hottest EGT of the start, up to idle (ºC)</source>
        <translation>EGT máxima del arranque, hasta el ralentí (ºC)</translation>
    </message>
    <message>
        <source>Max RPM</source>
        <translation>RPM máx.</translation>
    </message>
    <message>
        <source>Largest speed of the run</source>
        <translation>Velocidad máxima del ciclo</translation>
    </message>
    <message>
        <source>Max EGT</source>
        <translation>EGT máx.</translation>
    </message>
    <message>
        <source>Largest EGT of the run (ºC)</source>
        <translation>EGT máxima del ciclo (ºC)</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Mean pump at or above idle (tenths of a percent)</source>
        <translation>Bomba media en ralentí o más (décimas de porcentaje)</translation>
    </message>
    <message>
        <source>%1 runs. The file does not hold the unit&apos;s idle speed, so the starts are not measured.</source>
        <translation>%1 ciclos. El archivo no contiene la velocidad de ralentí de la centralita, así que no se miden los arranques.</translation>
    </message>
    <message>
        <source>Save span as CSV</source>
        <translation>Guardar el tramo como CSV</translation>
    </message>
    <message>
        <source>CSV file(*.csv)|*.csv</source>
        <translation>Archivo CSV(*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Click the chart twice to read the span between cursors A and B.</source>
        <translation>Pulse dos veces en el gráfico para leer el tramo entre los cursores A y B.</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Comparar con…</translation>
    </message>
    <message>
        <source>Lay a run of another export over this log, dotted</source>
        <translation>Superponer punteado un ciclo de otro archivo exportado a este registro</translation>
    </message>
    <message>
        <source>Save span as CSV…</source>
        <translation>Tramo como CSV…</translation>
    </message>
    <message>
        <source>Cursor A at minute %1: click again for B.</source>
        <translation>Cursor A en el minuto %1: pulse otra vez para B.</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>Velocidad (RPM)</translation>
    </message>
    <message>
        <source>EGT (ºC)</source>
        <translation>EGT (ºC)</translation>
    </message>
    <message>
        <source>Stick (%)</source>
        <translation>Palanca (%)</translation>
    </message>
    <message>
        <source>min</source>
        <translation>mín</translation>
    </message>
    <message>
        <source>max</source>
        <translation>máx</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>media</translation>
    </message>
    <message>
        <source>Δt %1 s, %2 samples</source>
        <translation>Δt %1 s, %2 muestras</translation>
    </message>
    <message>
        <source>normal start of %1</source>
        <translation>arranque normal de %1</translation>
    </message>
    <message>
        <source>A run of another export</source>
        <translation>Un ciclo de otro archivo exportado</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Lay over the log:</source>
        <translation>Superponer al registro:</translation>
    </message>
    <message>
        <source>The engine&apos;s normal start, from the logbook</source>
        <translation>El arranque normal de la turbina, de la bitácora</translation>
    </message>
    <message>
        <source>The logbook knows no normal start of this engine.</source>
        <translation>La bitácora no conoce ningún arranque normal de esta turbina.</translation>
    </message>
    <message>
        <source>%1 holds no engine run.</source>
        <translation>%1 no contiene ningún ciclo de turbina.</translation>
    </message>
    <message>
        <source>The run of cycle:</source>
        <translation>El ciclo número:</translation>
    </message>
    <message>
        <source>Δt %1 s, %2 samples; %3 without data, left out</source>
        <translation>Δt %1 s, %2 muestras; %3 sin datos, omitidas</translation>
    </message>
</context>
<context>
    <name>norva::UnitCommand</name>
    <message>
        <source>Looking for the unit (%1)…</source>
        <translation>Buscando la centralita (%1)…</translation>
    </message>
    <message>
        <source>Waiting for the unit&apos;s configuration: %1 of 256 bytes</source>
        <translation>Esperando la configuración de la centralita: %1 de 256 bytes</translation>
    </message>
    <message>
        <source>the unit&apos;s configuration did not arrive within %1 s (%2 of 256 bytes)</source>
        <translation>la configuración de la centralita no llegó en %1 s (%2 de 256 bytes)</translation>
    </message>
    <message>
        <source>the unit was lost while recording the chart: </source>
        <translation>se perdió la centralita al registrar el gráfico: </translation>
    </message>
    <message>
        <source>%1 points recorded in %2</source>
        <translation>%1 puntos registrados en %2</translation>
    </message>
</context>
<context>
    <name>norva::WelcomeText</name>
    <message>
        <source>The unit cannot show the character &quot;%1&quot; (U+%2); nothing was sent. Use letters, digits and common signs.</source>
        <translation>La centralita no puede mostrar el carácter &quot;%1&quot; (U+%2); no se envió nada. Use letras, cifras y signos comunes.</translation>
    </message>
    <message>
        <source>writing the welcome text</source>
        <translation>escribir el texto de bienvenida</translation>
    </message>
    <message>
        <source>the welcome text</source>
        <translation>el texto de bienvenida</translation>
    </message>
</context>
<context>
    <name>norva::WelcomeTextWindow</name>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Welcome text line 1</source>
        <translation>Texto de bienvenida, línea 1</translation>
    </message>
    <message>
        <source>Welcome text line 2</source>
        <translation>Texto de bienvenida, línea 2</translation>
    </message>
    <message>
        <source>Read NORVA</source>
        <translation>Leer NORVA</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>Write NORVA</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Reading the unit&apos;s configuration…</source>
        <translation>Leyendo la configuración de la centralita…</translation>
    </message>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Datos de copia de seguridad no disponibles, espere</translation>
    </message>
</context>
<context>
    <name>norva::WriteGate</name>
    <message>
        <source>Programming the NORVA</source>
        <translation>Programando la NORVA</translation>
    </message>
</context>
<context>
    <name>norva::params::ParametersWindow</name>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>Pump curve</source>
        <translation>Curva de la bomba</translation>
    </message>
</context>
</TS>
