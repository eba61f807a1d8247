<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlarmCommand</name>
    <message>
        <source>%1 needs a program to run</source>
        <extracomment>%1 is the option --on-alarm</extracomment>
        <translation>%1 necesita un programa que ejecutar</translation>
    </message>
    <message>
        <source>%1: no program &quot;%2&quot; in the PATH</source>
        <extracomment>%1 is the option --on-alarm, %2 the program</extracomment>
        <translation>%1: no hay ningún programa &quot;%2&quot; en el PATH</translation>
    </message>
    <message>
        <source>%1: %2 does not exist</source>
        <extracomment>%1 is the option --on-alarm, %2 the program</extracomment>
        <translation>%1: %2 no existe</translation>
    </message>
    <message>
        <source>%1: %2 is not a program that may be run</source>
        <extracomment>%1 is the option --on-alarm, %2 the program</extracomment>
        <translation>%1: %2 no es un programa que se pueda ejecutar</translation>
    </message>
    <message>
        <source>%1: %2 still ran after %3 s and was ended</source>
        <extracomment>%1 is the option&apos;s name on-alarm, %2 the program</extracomment>
        <translation>%1: %2 seguía en ejecución tras %3 s y se terminó</translation>
    </message>
    <message>
        <source>%1: %2 could not be started: %3</source>
        <extracomment>%1 is the option&apos;s name on-alarm, %2 the program, %3 why</extracomment>
        <translation>%1: no se pudo iniciar %2: %3</translation>
    </message>
    <message>
        <source>%1: %2 ended abnormally</source>
        <translation>%1: %2 terminó de forma anómala</translation>
    </message>
    <message>
        <source>%1: %2 ended with exit code %3</source>
        <translation>%1: %2 terminó con el código de salida %3</translation>
    </message>
</context>
<context>
    <name>AlarmMonitor</name>
    <message>
        <source>no reading for %1 s</source>
        <translation>ninguna lectura durante %1 s</translation>
    </message>
    <message>
        <source>readings back after %1 s without</source>
        <translation>vuelve a haber lecturas tras %1 s sin ellas</translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is back above the low limit %4</source>
        <translation>canal %1 (%2): %3 vuelve a estar por encima del límite bajo %4</translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is back below the high limit %4</source>
        <translation>canal %1 (%2): %3 vuelve a estar por debajo del límite alto %4</translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is below the low limit %4</source>
        <translation>canal %1 (%2): %3 está por debajo del límite bajo %4</translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is above the high limit %4</source>
        <translation>canal %1 (%2): %3 está por encima del límite alto %4</translation>
    </message>
    <message>
        <source>main</source>
        <extracomment>The channel&apos;s display: &quot;channel 1 (main)&quot;, &quot;channel 2 (second)&quot;</extracomment>
        <translation>principal</translation>
    </message>
    <message>
        <source>second</source>
        <translation>secundario</translation>
    </message>
    <message>
        <source>No reading for %1 s</source>
        <translation>Ninguna lectura durante %1 s</translation>
    </message>
    <message>
        <source>Main %1 below %2</source>
        <translation>Principal %1 por debajo de %2</translation>
    </message>
    <message>
        <source>Main %1 above %2</source>
        <translation>Principal %1 por encima de %2</translation>
    </message>
    <message>
        <source>Second %1 below %2</source>
        <translation>Secundario %1 por debajo de %2</translation>
    </message>
    <message>
        <source>Second %1 above %2</source>
        <translation>Secundario %1 por encima de %2</translation>
    </message>
</context>
<context>
    <name>AlarmRules</name>
    <message>
        <source>a range is LOW..HIGH, either end may be empty (not &quot;%1&quot;)</source>
        <translation>un rango es LOW..HIGH y cualquiera de los dos extremos puede quedar vacío (no &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; has neither a low nor a high limit</source>
        <translation>el rango &quot;%1&quot; no tiene ni límite bajo ni límite alto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is not a number of degrees</source>
        <translation>&quot;%1&quot; en &quot;%2&quot; no es un número de grados</translation>
    </message>
    <message>
        <source>in &quot;%1&quot; the low limit is not below the high one</source>
        <translation>en &quot;%1&quot; el límite bajo no es inferior al alto</translation>
    </message>
    <message>
        <source>below %1%2</source>
        <translation>por debajo de %1%2</translation>
    </message>
    <message>
        <source>above %1%2</source>
        <translation>por encima de %1%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>A channel&apos;s two limits: &quot;below -5 C or above 30 C&quot;</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>channel %1 %2</source>
        <extracomment>%1 the channel&apos;s number, %2 its limits</extracomment>
        <translation>canal %1 %2</translation>
    </message>
    <message>
        <source>; after %1 s beyond</source>
        <translation>; tras %1 s fuera del límite</translation>
    </message>
    <message>
        <source>; clearing %1 degrees inside</source>
        <translation>; se desactiva %1 grados dentro del límite</translation>
    </message>
    <message>
        <source>no reading for %1 s</source>
        <translation>ninguna lectura durante %1 s</translation>
    </message>
</context>
<context>
    <name>AppendingFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>there is not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
</context>
<context>
    <name>BrokerAddress</name>
    <message>
        <source>%1 takes mqtt://[user@]host[:port]/base/topic or mqtts://[user@]host[:port]/base/topic (not &quot;%2&quot;)</source>
        <extracomment>%1 is the option --publish</extracomment>
        <translation>%1 admite mqtt://[user@]host[:port]/base/topic o mqtts://[user@]host[:port]/base/topic (no &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>%1: the URL holds a password, which would show in the process list; give it in %2 or in a file named by %3</source>
        <extracomment>%1 is the option --publish, %2 an environment variable, %3 the option --publish-password-file</extracomment>
        <translation>%1: la URL contiene una contraseña, que se vería en la lista de procesos; indíquela en %2 o en un archivo nombrado con %3</translation>
    </message>
    <message>
        <source>%1: the URL names no base topic, as in mqtt://host/lab/meter1 (not &quot;%2&quot;)</source>
        <extracomment>%1 is the option --publish</extracomment>
        <translation>%1: la URL no indica ningún tema base, como en mqtt://host/lab/meter1 (no &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>no se puede leer el archivo de contraseña %1: %2</translation>
    </message>
    <message>
        <source>%1 needs a user name in the URL, as in mqtt://user@host/lab/meter1</source>
        <extracomment>%1 is the option --publish-password-file</extracomment>
        <translation>%1 necesita un nombre de usuario en la URL, como en mqtt://user@host/lab/meter1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>its first line is empty</source>
        <translation>su primera línea está vacía</translation>
    </message>
    <message>
        <source>%1: %2 (not &quot;%3&quot;)</source>
        <extracomment>%1 is the option --publish, %2 why the topic is refused, %3 the URL given</extracomment>
        <translation>%1: %2 (no &quot;%3&quot;)</translation>
    </message>
    <message>
        <source>a base topic is UTF-8 text, and its escapes do not decode to it</source>
        <translation>un tema base es texto UTF-8, y sus secuencias de escape no lo forman</translation>
    </message>
    <message>
        <source>a base topic cannot hold the control character %1</source>
        <extracomment>%1 the character as it is escaped in a URL, such as %00</extracomment>
        <translation>un tema base no puede contener el carácter de control %1</translation>
    </message>
    <message>
        <source>a base topic has no wildcard + or #</source>
        <translation>un tema base no lleva comodines + ni #</translation>
    </message>
    <message>
        <source>a base topic cannot start with $: such topics ($SYS/…) are the broker&apos;s own, and it drops what clients publish there</source>
        <translation>un tema base no puede empezar por $: esos temas ($SYS/…) son del propio broker, que descarta lo que los clientes publican en ellos</translation>
    </message>
    <message>
        <source>the MQTT library does not take this base topic</source>
        <translation>la biblioteca MQTT no admite este tema base</translation>
    </message>
    <message>
        <source>warning: the password file %1 can be read by other users (mode %2); let only its owner read it (chmod 600 %1)</source>
        <extracomment>%1 is a file, %2 its permissions in octal, such as 0644</extracomment>
        <translation>aviso: otros usuarios pueden leer el archivo de contraseña %1 (modo %2); deje que solo su propietario lo lea (chmod 600 %1)</translation>
    </message>
</context>
<context>
    <name>ChartOutput</name>
    <message>
        <source>The graph could not be saved as %1: %2</source>
        <translation>No se pudo guardar el gráfico como %1: %2</translation>
    </message>
    <message>
        <source>The graph could not be printed to %1: %2</source>
        <translation>No se pudo imprimir el gráfico en %1: %2</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>PNG image, twice the size</source>
        <translation>Imagen PNG, al doble de tamaño</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dibujo SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation>Imprimir en archivo PDF</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Archivos PDF</translation>
    </message>
</context>
<context>
    <name>ChartStatus</name>
    <message>
        <source>Marks are hidden at this density: zoom in to see them.</source>
        <translation>Las marcas se ocultan con esta densidad: amplíe para verlas.</translation>
    </message>
</context>
<context>
    <name>CheckedFile</name>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a regular file</source>
        <translation>es un enlace simbólico, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a pipe (FIFO), not a regular file</source>
        <translation>es una tubería (FIFO), no un archivo normal</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a symbolic link to nothing, not a regular file</source>
        <translation>es un enlace simbólico que no apunta a nada, no un archivo normal</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, device or socket)</source>
        <translation>no es un archivo normal (es una tubería, un dispositivo o un socket)</translation>
    </message>
</context>
<context>
    <name>CheckedFileDevice</name>
    <message>
        <source>the file can only be written</source>
        <translation>el archivo solo se puede escribir</translation>
    </message>
    <message>
        <source>the file was not written</source>
        <translation>no se escribió el archivo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds from %2 to %3 (not &quot;%4&quot;)</source>
        <extracomment>%1 is an option, %4 what was given</extracomment>
        <translation>%1 admite un número entero de segundos de %2 a %3 (no &quot;%4&quot;)</translation>
    </message>
    <message>
        <source>%1 needs a device</source>
        <translation>%1 necesita un dispositivo</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>%1 needs a number of seconds</source>
        <translation>%1 necesita un número de segundos</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds, 1 or more (not &quot;%2&quot;)</source>
        <extracomment>%1 is an option, %2 what was given</extracomment>
        <translation>%1 admite un número entero de segundos, 1 o más (no &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>%1 takes a model of 300, 301, 302 or 303</source>
        <extracomment>%1 is an option</extracomment>
        <translation>%1 admite un modelo 300, 301, 302 o 303</translation>
    </message>
    <message>
        <source>%1 takes a number of seconds from 1 to %2</source>
        <extracomment>%1 is an option</extracomment>
        <translation>%1 admite un número de segundos de 1 a %2</translation>
    </message>
    <message>
        <source>%1 needs a URL</source>
        <translation>%1 necesita una URL</translation>
    </message>
    <message>
        <source>%1 takes CHANNEL=LOW..HIGH with the channel 1 or 2 (not &quot;%2&quot;)</source>
        <extracomment>%1 is an option, %2 what was given</extracomment>
        <translation>%1 admite CHANNEL=LOW..HIGH con el canal 1 o 2 (no &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>%1 takes a number of degrees, 0 or more (not &quot;%2&quot;)</source>
        <extracomment>%1 is an option, %2 what was given</extracomment>
        <translation>%1 admite un número de grados, 0 o más (no &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <extracomment>%1 and %2 are options</extracomment>
        <translation>%1 solo se usa junto con %2</translation>
    </message>
    <message>
        <source>%1 goes with %2, in the window program</source>
        <extracomment>%1 and %2 are options</extracomment>
        <translation>%1 solo se usa junto con %2, en el programa con ventanas</translation>
    </message>
    <message>
        <source>%1 and %2 go with %3</source>
        <extracomment>%1, %2 and %3 are options</extracomment>
        <translation>%1 y %2 solo se usan junto con %3</translation>
    </message>
    <message>
        <source>the %1 options go with %2; the window program sets its alarms in the Alarms dialog</source>
        <extracomment>%1 and %2 are options</extracomment>
        <translation>las opciones %1 solo se usan junto con %2; el programa con ventanas configura sus alarmas en el diálogo Alarmas</translation>
    </message>
    <message>
        <source>%1, %2 and %3 go with %4 or %5</source>
        <extracomment>%1 to %5 are options</extracomment>
        <translation>%1, %2 y %3 solo se usan junto con %4 o %5</translation>
    </message>
    <message>
        <source>Usage: brackwater [--port DEVICE]... [--demo [MODEL]] [--demo-history SECONDS]
                  [--publish URL [--publish-password-file FILE] [--ha-discovery]]
       brackwater --record FILE [--every SECONDS] [--port DEVICE]... [--demo [MODEL]]
                  [--publish URL [--publish-password-file FILE] [--ha-discovery]]
                  [--alarm CHANNEL=LOW..HIGH]... [--alarm-delay SECONDS]
                  [--alarm-hysteresis DEGREES] [--alarm-no-reading SECONDS]
                  [--on-alarm COMMAND [--on-alarm-limit SECONDS]]
</source>
        <extracomment>The command line&apos;s forms: translate &quot;Usage:&quot; and the values&apos; names (DEVICE, MODEL ...) if you like; the options (--port ...) stay as they are.</extracomment>
        <translation>Uso: brackwater [--port DEVICE]... [--demo [MODEL]] [--demo-history SECONDS]
                [--publish URL [--publish-password-file FILE] [--ha-discovery]]
     brackwater --record FILE [--every SECONDS] [--port DEVICE]... [--demo [MODEL]]
                [--publish URL [--publish-password-file FILE] [--ha-discovery]]
                [--alarm CHANNEL=LOW..HIGH]... [--alarm-delay SECONDS]
                [--alarm-hysteresis DEGREES] [--alarm-no-reading SECONDS]
                [--on-alarm COMMAND [--on-alarm-limit SECONDS]]
</translation>
    </message>
    <message>
        <source>  --port DEVICE    add a serial device to the port list (repeatable), for ports
                   the system does not list, such as pseudo-terminals
  --demo [MODEL]   run a built-in simulated meter (300, 301, 302 or 303;
                   default 303) and add its device to the port list
  --demo-history SECONDS
                   with --demo: start the log and the live graph with that
                   much of the simulated meter&apos;s past (up to 31 days)
  --record FILE    record without windows: find the meter and append one row
                   every SECONDS to FILE (tab-separated, or comma-separated
                   when the name ends in csv), until interrupted
  --every SECONDS  the recording&apos;s interval (default: the stored listing rate)
  --publish URL    also publish each recorded row to an MQTT broker, at
                   mqtt://[user@]host[:port]/base/topic (mqtts:// for TLS);
                   the password comes from BRACKWATER_MQTT_PASSWORD or from
  --publish-password-file FILE
                   the first line of FILE, never from the URL
  --ha-discovery   with --publish: announce the channels to Home Assistant
  --alarm CHANNEL=LOW..HIGH
                   with --record: an alarm when channel 1 (main display) or 2
                   (second display) leaves the range, in the meter&apos;s unit;
                   either end may be empty (1=..30, 2=-5..); repeatable
  --alarm-delay SECONDS
                   the reading must stay beyond the limit that long first
  --alarm-hysteresis DEGREES
                   it clears once back inside the limit by that many degrees
  --alarm-no-reading SECONDS
                   an alarm when no reading comes for that long (5 or more)
  --on-alarm COMMAND
                   run COMMAND (no shell) when an alarm rises, its details in
                   BRACKWATER_ALARM_* variables; ended after
  --on-alarm-limit SECONDS
                   seconds (default 30)
  --help           show this help
  --version        show the program&apos;s version
</source>
        <extracomment>The options, each with what it does from the 20th column on; the options (--port ...) stay as they are.</extracomment>
        <translation>  --port DEVICE    añade un dispositivo serie a la lista de puertos (repetible)
                   para puertos que el sistema no lista, como pseudoterminales
  --demo [MODEL]   ejecuta un medidor simulado propio (300, 301, 302 o 303; por
                   defecto 303) y añade su dispositivo a la lista de puertos
  --demo-history SECONDS
                   con --demo: empieza el registro y el gráfico en vivo con ese
                   tiempo del pasado del medidor simulado (hasta 31 días)
  --record FILE    graba sin ventanas: busca el medidor y añade a FILE una fila
                   cada SECONDS segundos (separada por tabuladores, o por comas
                   si el nombre termina en csv), hasta que se interrumpa
  --every SECONDS  intervalo de grabación (por defecto: la frecuencia guardada)
  --publish URL    publica además cada fila grabada en un broker MQTT, en
                   mqtt://[user@]host[:port]/base/topic (mqtts:// para TLS);
                   la contraseña se toma de BRACKWATER_MQTT_PASSWORD o de
  --publish-password-file FILE
                   la primera línea de FILE, nunca de la URL
  --ha-discovery   con --publish: anuncia los canales a Home Assistant
  --alarm CHANNEL=LOW..HIGH
                   con --record: alarma si el canal 1 (pantalla principal) o 2
                   (secundaria) sale del rango, en la unidad del medidor;
                   un extremo puede quedar vacío (1=..30, 2=-5..); repetible
  --alarm-delay SECONDS
                   la lectura debe permanecer fuera del límite ese tiempo antes
  --alarm-hysteresis DEGREES
                   se desactiva al volver esos grados dentro del límite
  --alarm-no-reading SECONDS
                   alarma si no llega ninguna lectura en ese tiempo (5 o más)
  --on-alarm COMMAND
                   ejecuta COMMAND (sin shell) cuando salta una alarma, con sus
                   datos en las variables BRACKWATER_ALARM_*; se termina tras
  --on-alarm-limit SECONDS
                   segundos (por defecto 30)
  --help           muestra esta ayuda
  --version        muestra la versión del programa
</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <extracomment>%1 is the command that shows the options</extracomment>
        <translation>Pruebe &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1 gives channel %2 twice (&quot;%3&quot; and &quot;%4&quot;); give each channel once</source>
        <extracomment>%1 is an option, %2 the channel, %3 and %4 what was given</extracomment>
        <translation>%1 indica el canal %2 dos veces (&quot;%3&quot; y &quot;%4&quot;); indique cada canal una sola vez</translation>
    </message>
</context>
<context>
    <name>GraphMenus</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Export &amp;Image...</source>
        <translation>Exportar i&amp;magen...</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Línea</translation>
    </message>
    <message>
        <source>&amp;Thin</source>
        <translation>&amp;Fina</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>Gruesa</translation>
    </message>
    <message>
        <source>&amp;Mark Data</source>
        <translation>&amp;Marcar datos</translation>
    </message>
    <message>
        <source>mark data-points with a small circle</source>
        <translation>marcar los puntos de datos con un pequeño círculo</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>Graph tools</source>
        <translation>Herramientas del gráfico</translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <translation>&amp;Rango</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>HandlerGuard</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>HeadlessRecorder</name>
    <message>
        <source>writing %1 failed: %2; recording goes on, the rows wait in memory (a day of them at most) and are written when it works again</source>
        <translation>falló la escritura en %1: %2; la grabación continúa, las filas esperan en memoria (como mucho las de un día) y se escribirán cuando vuelva a funcionar</translation>
    </message>
    <message numerus="yes">
        <source>writing %1 works again: %n rows that waited written</source>
        <translation>
            <numerusform>la escritura en %1 vuelve a funcionar: se escribió %n fila que esperaba</numerusform>
            <numerusform>la escritura en %1 vuelve a funcionar: se escribieron %n filas que esperaban</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the oldest %n rows beyond a day dropped</source>
        <translation>
            <numerusform>; se descartó %n fila, la más antigua, que pasaba de un día</numerusform>
            <numerusform>; se descartaron las %n filas más antiguas, que pasaban de un día</numerusform>
        </translation>
    </message>
    <message>
        <source>a day of rows waits for %1: the oldest are dropped from now on</source>
        <translation>hay un día de filas en espera para %1: a partir de ahora se descartan las más antiguas</translation>
    </message>
    <message>
        <source>syncing %1 to the disk failed: %2; its last rows may be lost if the power fails</source>
        <translation>falló la sincronización de %1 con el disco: %2; sus últimas filas pueden perderse si se corta la corriente</translation>
    </message>
    <message numerus="yes">
        <source>%n rows written so far</source>
        <translation>
            <numerusform>%n fila escrita hasta ahora</numerusform>
            <numerusform>%n filas escritas hasta ahora</numerusform>
        </translation>
    </message>
    <message>
        <source>link lost: no frames from %1 for 5 s; waiting for the meter</source>
        <translation>enlace perdido: ninguna trama de %1 durante 5 s; esperando al medidor</translation>
    </message>
    <message>
        <source>link back: %1</source>
        <translation>enlace recuperado: %1</translation>
    </message>
    <message>
        <source>a meter answers at %1, plugged in since the search</source>
        <translation>un medidor responde en %1, conectado después de la búsqueda</translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n rows written to %1</source>
        <translation>
            <numerusform>detenido: %n fila escrita en %1</numerusform>
            <numerusform>detenido: %n filas escritas en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n rows could not be written: %1</source>
        <translation>
            <numerusform>; no se pudo escribir %n fila: %1</numerusform>
            <numerusform>; no se pudieron escribir %n filas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>waiting for the alarm command to end</source>
        <translation>esperando a que termine el comando de alarma</translation>
    </message>
    <message>
        <source>recording to %1, a row every %2 s</source>
        <translation>grabando en %1, una fila cada %2 s</translation>
    </message>
    <message>
        <source>alarms: %1</source>
        <translation>alarmas: %1</translation>
    </message>
    <message>
        <source>no meter answered on %1; searching again every %2 s and asking each port plugged in</source>
        <translation>ningún medidor respondió en %1; se busca de nuevo cada %2 s y se pregunta a cada puerto que se conecte</translation>
    </message>
    <message>
        <source>(no serial ports)</source>
        <translation>(ningún puerto serie)</translation>
    </message>
    <message>
        <source>meter found: model %1 (%2) at %3</source>
        <extracomment>%1 the model&apos;s number, %2 what the model is, %3 the device</extracomment>
        <translation>medidor encontrado: modelo %1 (%2) en %3</translation>
    </message>
    <message>
        <source>cannot record to %1: %2</source>
        <translation>no se puede grabar en %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>a different meter is connected at %1; not recording from it</source>
        <translation>hay otro medidor conectado en %1; no se graba de él</translation>
    </message>
    <message>
        <source>no thermometer answers at %1; not recording from it</source>
        <translation>ningún termómetro responde en %1; no se graba de él</translation>
    </message>
    <message>
        <source>%1 is in use by another program; not recording from it</source>
        <translation>%1 está en uso por otro programa; no se graba de él</translation>
    </message>
</context>
<context>
    <name>JournalContents</name>
    <message>
        <source>it holds fewer rows than when it was read first</source>
        <translation>contiene menos filas que cuando se leyó por primera vez</translation>
    </message>
    <message>
        <source>The journal &quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer el diario &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>JournalQuestions</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message numerus="yes">
        <source>The last recording was not saved: %n rows from %1 to %2</source>
        <extracomment>%1 and %2 are the times of the first and the last row</extracomment>
        <translation>
            <numerusform>La última grabación no se guardó: %n fila de %1 a %2</numerusform>
            <numerusform>La última grabación no se guardó: %n filas de %1 a %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Saving to &quot;%1&quot; was cancelled.</source>
        <translation>Se canceló el guardado en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The journal &quot;%1&quot; holds no recognisable row.</source>
        <translation>El diario &quot;%1&quot; no contiene ninguna fila reconocible.</translation>
    </message>
    <message>
        <source>%1 It was set aside as &quot;%2&quot;.</source>
        <extracomment>%1 says what is wrong with the journal</extracomment>
        <translation>%1 Se apartó como &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 It could not be set aside as &quot;%2&quot;.</source>
        <extracomment>%1 says what is wrong with the journal</extracomment>
        <translation>%1 No se pudo apartar como &quot;%2&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>An earlier recording was not saved: %n rows from %1 to %2</source>
        <extracomment>%1 and %2 are the times of the first and the last row; a later recording was not saved either and is offered next</extracomment>
        <translation>
            <numerusform>Una grabación anterior no se guardó: %n fila de %1 a %2</numerusform>
            <numerusform>Una grabación anterior no se guardó: %n filas de %1 a %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogCsvExport</name>
    <message>
        <source>The log could not be exported to &quot;%1&quot;: %2.</source>
        <translation>No se pudo exportar el registro a &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>LogFileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>LogFileFilters</name>
    <message>
        <source>TXT file(*.txt,data seperated by tab)</source>
        <translation>Archivo TXT(*.txt,datos separados por tabulador)</translation>
    </message>
    <message>
        <source>EXCEL file format(*.CSV,seperated by comma)</source>
        <translation>Formato de archivo EXCEL(*.CSV,separado por comas)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation>Todos los archivos(*.*)</translation>
    </message>
</context>
<context>
    <name>LogFileReader</name>
    <message>
        <source>The log file &quot;%1&quot; could not be opened: %2.</source>
        <translation>No se pudo abrir el archivo de registro &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer el archivo de registro &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be opened: it is not a text log (%2).</source>
        <translation>No se pudo abrir el archivo de registro &quot;%1&quot;: no es un registro de texto (%2).</translation>
    </message>
    <message>
        <source>it holds NUL bytes</source>
        <translation>contiene bytes NUL</translation>
    </message>
    <message>
        <source>it is UTF-16 text</source>
        <translation>es texto UTF-16</translation>
    </message>
</context>
<context>
    <name>LogFileWriter</name>
    <message>
        <source>The log could not be saved to &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar el registro en &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>LogFiles</name>
    <message>
        <source>No row before it was loaded.</source>
        <translation>No se cargó ninguna fila anterior.</translation>
    </message>
    <message numerus="yes">
        <source>The %n rows before it were loaded.</source>
        <translation>
            <numerusform>Se cargó %n fila anterior.</numerusform>
            <numerusform>Se cargaron las %n filas anteriores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another file operation of the log is still running.</source>
        <translation>Todavía hay otra operación de archivo del registro en curso.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer el archivo de registro &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; stopped at line %2, which is longer than %3 KiB. %4</source>
        <extracomment>%4 says how many rows before that line were loaded</extracomment>
        <translation>La lectura de &quot;%1&quot; se detuvo en la línea %2, que ocupa más de %3 KiB. %4</translation>
    </message>
    <message>
        <source>The log could not be written to &quot;%1&quot;: %2.</source>
        <translation>No se pudo escribir el registro en &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>LogGraphBuild</name>
    <message>
        <source>Row %1 of the log has no valid date and time (&quot;%2 %3&quot;), so the graph&apos;s time axis starts at day 0.</source>
        <translation>La fila %1 del registro no tiene una fecha y hora válidas (&quot;%2 %3&quot;), así que el eje de tiempo del gráfico empieza en el día 0.</translation>
    </message>
    <message>
        <source>Row %1 of the log has no valid date and time (&quot;%2 %3&quot;), so the graph&apos;s time axis ends at day 0.</source>
        <translation>La fila %1 del registro no tiene una fecha y hora válidas (&quot;%2 %3&quot;), así que el eje de tiempo del gráfico termina en el día 0.</translation>
    </message>
</context>
<context>
    <name>LogTable</name>
    <message>
        <source>NO</source>
        <extracomment>Column header of the log: the row number</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>FECHA</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>HORA</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>T3</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>T4</source>
        <translation>T4</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>UNIDAD</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>BRACKWATER is Already Running</source>
        <translation>BRACKWATER ya se está ejecutando</translation>
    </message>
    <message>
        <source>the simulated meter could not start: %1</source>
        <translation>no se pudo iniciar el medidor simulado: %1</translation>
    </message>
    <message>
        <source>The simulated meter could not start: %1</source>
        <translation>No se pudo iniciar el medidor simulado: %1</translation>
    </message>
</context>
<context>
    <name>MeasureMarks</name>
    <message>
        <source>First point marked: Ctrl+click a second point, Escape clears.</source>
        <translation>Primer punto marcado: Ctrl+clic en un segundo punto; Esc lo borra.</translation>
    </message>
</context>
<context>
    <name>ModelEntry</name>
    <message>
        <source>One channel, K type thermometer.</source>
        <translation>Termómetro de un canal, tipo K.</translation>
    </message>
    <message>
        <source>START/STOP TIMER</source>
        <translation>INICIAR/DETENER TEMPORIZADOR</translation>
    </message>
    <message>
        <source>Two channel, K type thermometer.</source>
        <translation>Termómetro de dos canales, tipo K.</translation>
    </message>
    <message>
        <source>T1/T2/T1-T2 switch</source>
        <translation>Selector T1/T2/T1-T2</translation>
    </message>
    <message>
        <source>One channel, K J type thermometer.</source>
        <translation>Termómetro de un canal, tipos K y J.</translation>
    </message>
    <message>
        <source>Two channel, K J type thermometer.</source>
        <translation>Termómetro de dos canales, tipos K y J.</translation>
    </message>
</context>
<context>
    <name>MqttPublisher</name>
    <message>
        <source>it does not speak this protocol version</source>
        <translation>no admite esta versión del protocolo</translation>
    </message>
    <message>
        <source>it rejected the client identifier</source>
        <translation>rechazó el identificador de cliente</translation>
    </message>
    <message>
        <source>the server is unavailable</source>
        <translation>el servidor no está disponible</translation>
    </message>
    <message>
        <source>bad user name or password</source>
        <translation>nombre de usuario o contraseña incorrectos</translation>
    </message>
    <message>
        <source>not authorised (wrong user name or password?)</source>
        <translation>no autorizado (¿nombre de usuario o contraseña incorrectos?)</translation>
    </message>
    <message>
        <source>publishing: the broker at %1 is back</source>
        <translation>publicación: el broker en %1 ha vuelto</translation>
    </message>
    <message>
        <source>publishing to %1</source>
        <translation>publicando en %1</translation>
    </message>
    <message numerus="yes">
        <source>; %n readings waiting go out now</source>
        <translation>
            <numerusform>; sale ahora %n lectura en espera</numerusform>
            <numerusform>; salen ahora %n lecturas en espera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n older ones were dropped meanwhile</source>
        <translation>
            <numerusform>; mientras tanto se descartó %n más antigua</numerusform>
            <numerusform>; mientras tanto se descartaron %n más antiguas</numerusform>
        </translation>
    </message>
    <message>
        <source>MQTT: connected</source>
        <translation>MQTT: conectado</translation>
    </message>
    <message>
        <source>publishing: the broker at %1 refused the connection: %2; trying again, readings wait</source>
        <translation>publicación: el broker en %1 rechazó la conexión: %2; se reintenta, las lecturas esperan</translation>
    </message>
    <message>
        <source>MQTT: the broker refused</source>
        <translation>MQTT: conexión rechazada</translation>
    </message>
    <message>
        <source>publishing: TLS with the broker at %1 failed: %2; trying again, readings wait</source>
        <translation>publicación: falló TLS con el broker en %1: %2; se reintenta, las lecturas esperan</translation>
    </message>
    <message>
        <source>MQTT: TLS failed</source>
        <translation>MQTT: falló TLS</translation>
    </message>
    <message>
        <source>publishing: lost the broker at %1: %2; readings wait until it is back (up to %3)</source>
        <translation>publicación: se perdió el broker en %1: %2; las lecturas esperan a que vuelva (hasta %3)</translation>
    </message>
    <message>
        <source>MQTT: broker lost, readings wait</source>
        <translation>MQTT: broker perdido, lecturas en espera</translation>
    </message>
    <message>
        <source>publishing: cannot reach the broker at %1: %2; trying again, readings wait</source>
        <translation>publicación: no se puede contactar con el broker en %1: %2; se reintenta, las lecturas esperan</translation>
    </message>
    <message>
        <source>MQTT: cannot reach the broker</source>
        <translation>MQTT: broker inalcanzable</translation>
    </message>
    <message numerus="yes">
        <source>publishing: %n readings wait, as many as are kept; the oldest are dropped until the broker is back</source>
        <translation>
            <numerusform>publicación: espera %n lectura, el máximo que se guarda; se descartan las más antiguas hasta que vuelva el broker</numerusform>
            <numerusform>publicación: esperan %n lecturas, el máximo que se guarda; se descartan las más antiguas hasta que vuelva el broker</numerusform>
        </translation>
    </message>
    <message>
        <source>MQTT: queue full, the oldest dropped</source>
        <translation>MQTT: cola llena, se descartan las más antiguas</translation>
    </message>
    <message numerus="yes">
        <source>publishing: %n readings were not delivered%1</source>
        <extracomment>%1 is empty or says how many older readings were dropped</extracomment>
        <translation>
            <numerusform>publicación: %n lectura no se entregó%1</numerusform>
            <numerusform>publicación: %n lecturas no se entregaron%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n older ones were dropped before</source>
        <translation>
            <numerusform>, y antes se descartó %n más antigua</numerusform>
            <numerusform>, y antes se descartaron %n más antiguas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>MQTT: %n readings not delivered</source>
        <translation>
            <numerusform>MQTT: %n lectura sin entregar</numerusform>
            <numerusform>MQTT: %n lecturas sin entregar</numerusform>
        </translation>
    </message>
    <message>
        <source>the broker sent a packet that breaks the protocol</source>
        <translation>el broker envió un paquete que infringe el protocolo</translation>
    </message>
    <message>
        <source>the host name could not be looked up</source>
        <translation>no se pudo resolver el nombre del host</translation>
    </message>
    <message>
        <source>the broker did not answer in time</source>
        <translation>el broker no respondió a tiempo</translation>
    </message>
    <message>
        <source>error %1 of the MQTT library</source>
        <translation>error %1 de la biblioteca MQTT</translation>
    </message>
    <message>
        <source>publishing: the broker at %1 did not answer within %2 s; trying again, readings wait</source>
        <translation>publicación: el broker en %1 no respondió en %2 s; se reintenta, las lecturas esperan</translation>
    </message>
    <message>
        <source>MQTT: the broker does not answer</source>
        <translation>MQTT: el broker no responde</translation>
    </message>
    <message>
        <source>it stopped answering (no reply within the keep-alive of %1 s)</source>
        <translation>dejó de responder (sin respuesta dentro del keep-alive de %1 s)</translation>
    </message>
    <message numerus="yes">
        <source>publishing: the broker at %1 acknowledges readings again; %n readings wait</source>
        <translation>
            <numerusform>publicación: el broker en %1 vuelve a confirmar lecturas; espera %n lectura</numerusform>
            <numerusform>publicación: el broker en %1 vuelve a confirmar lecturas; esperan %n lecturas</numerusform>
        </translation>
    </message>
    <message>
        <source>MQTT: readings acknowledged again</source>
        <translation>MQTT: lecturas confirmadas de nuevo</translation>
    </message>
    <message numerus="yes">
        <source>publishing: the broker at %1 has acknowledged no reading for %2 s; %n readings wait</source>
        <extracomment>%1 is the broker&apos;s host:port, %2 seconds</extracomment>
        <translation>
            <numerusform>publicación: el broker en %1 no ha confirmado ninguna lectura en %2 s; espera %n lectura</numerusform>
            <numerusform>publicación: el broker en %1 no ha confirmado ninguna lectura en %2 s; esperan %n lecturas</numerusform>
        </translation>
    </message>
    <message>
        <source>MQTT: readings not acknowledged</source>
        <translation>MQTT: lecturas sin confirmar</translation>
    </message>
</context>
<context>
    <name>PlotChart</name>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
</context>
<context>
    <name>PortSearch</name>
    <message>
        <source>Thermometer is connected at %1</source>
        <translation>El termómetro está conectado en %1</translation>
    </message>
    <message>
        <source>Serial Port :%1</source>
        <translation>Puerto serie: %1</translation>
    </message>
    <message>
        <source>Model:%1</source>
        <translation>Modelo: %1</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Can not find any THERMOMETER</source>
        <translation>No se encuentra ningún TERMÓMETRO</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 está en uso por otro programa.</translation>
    </message>
    <message>
        <source>%1 was skipped: permission denied.</source>
        <translation>Se omitió %1: permiso denegado.</translation>
    </message>
    <message>
        <source>Ask your administrator for access to the serial ports.</source>
        <translation>Solicite al administrador acceso a los puertos serie.</translation>
    </message>
    <message>
        <source>Join the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log in again.</source>
        <translation>Únase al grupo &quot;%1&quot; (sudo usermod -aG %1 $USER) y vuelva a iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PtyDevice</name>
    <message>
        <source>pseudo-terminals are not available on this system</source>
        <translation>los pseudoterminales no están disponibles en este sistema</translation>
    </message>
</context>
<context>
    <name>RecordingControls</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
</context>
<context>
    <name>RecordingSession</name>
    <message>
        <source>No Connection</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Thermometer is connected at %1</source>
        <translation>El termómetro está conectado en %1</translation>
    </message>
    <message>
        <source>A different meter is connected at %1</source>
        <translation>Hay otro medidor conectado en %1</translation>
    </message>
    <message>
        <source>No thermometer answers at %1</source>
        <translation>Ningún termómetro responde en %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>No se pudo guardar la configuración: %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 está en uso por otro programa</translation>
    </message>
    <message>
        <source>The port %1 was reopened; the meter answers as model %2.</source>
        <translation>El puerto %1 se volvió a abrir; el medidor responde como modelo %2.</translation>
    </message>
</context>
<context>
    <name>RowJournal</name>
    <message>
        <source>The journal &quot;%1&quot; could not be synced to the disk: %2. Its last rows may be lost if the power fails.</source>
        <translation>No se pudo sincronizar el diario &quot;%1&quot; con el disco: %2. Sus últimas filas pueden perderse si se corta la corriente.</translation>
    </message>
    <message>
        <source>The journal &quot;%1&quot; cannot be written: %2. Recording goes on; the rows wait and are written to the journal when that works again, but rows not saved will be lost if the program ends before.</source>
        <translation>No se puede escribir el diario &quot;%1&quot;: %2. La grabación continúa; las filas esperan y se escribirán en el diario cuando vuelva a funcionar, pero las filas no guardadas se perderán si el programa termina antes.</translation>
    </message>
    <message numerus="yes">
        <source>The journal &quot;%1&quot; is written again: %n rows recorded meanwhile are in it.</source>
        <translation>
            <numerusform>El diario &quot;%1&quot; vuelve a escribirse: contiene %n fila grabada mientras tanto.</numerusform>
            <numerusform>El diario &quot;%1&quot; vuelve a escribirse: contiene las %n filas grabadas mientras tanto.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScaleEntry</name>
    <message>
        <source>The maximum &quot;%1&quot; is not a number.</source>
        <translation>El máximo &quot;%1&quot; no es un número.</translation>
    </message>
    <message>
        <source>The maximum &quot;%1&quot; is not a whole number.</source>
        <translation>El máximo &quot;%1&quot; no es un número entero.</translation>
    </message>
    <message>
        <source>The minimum &quot;%1&quot; is not a number.</source>
        <translation>El mínimo &quot;%1&quot; no es un número.</translation>
    </message>
    <message>
        <source>The minimum &quot;%1&quot; is not a whole number.</source>
        <translation>El mínimo &quot;%1&quot; no es un número entero.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>no se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>no se pudo leer el archivo</translation>
    </message>
    <message>
        <source>These alarm settings could not be read and are off: %1.</source>
        <translation>No se pudieron leer estos ajustes de alarma, que quedan desactivados: %1.</translation>
    </message>
    <message>
        <source>%1 = &quot;%2&quot; (%3)</source>
        <extracomment>a setting&apos;s key, the value stored and the default taken instead</extracomment>
        <translation>%1 = &quot;%2&quot; (%3)</translation>
    </message>
    <message numerus="yes">
        <source>The settings file &quot;%1&quot; holds %n values that could not be read, which take their defaults: %2. The other settings are kept.</source>
        <extracomment>%1 is the settings file, %2 the values, each as KEY = &quot;VALUE&quot; (DEFAULT)</extracomment>
        <translation>
            <numerusform>El archivo de configuración &quot;%1&quot; contiene %n valor que no se pudo leer y toma su valor por defecto: %2. Los demás ajustes se conservan.</numerusform>
            <numerusform>El archivo de configuración &quot;%1&quot; contiene %n valores que no se pudieron leer y toman sus valores por defecto: %2. Los demás ajustes se conservan.</numerusform>
        </translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist and cannot be created</source>
        <translation>la carpeta &quot;%1&quot; no existe y no se puede crear</translation>
    </message>
    <message>
        <source>permission denied on the folder &quot;%1&quot;</source>
        <translation>permiso denegado en la carpeta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The settings could not be read from &quot;%1&quot;: %2.</source>
        <translation>No se pudo leer la configuración de &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged or is not a settings file; what could not be read takes its default. The file is kept as &quot;%2&quot; when the settings are saved.</source>
        <translation>El archivo de configuración &quot;%1&quot; está dañado o no es un archivo de configuración; lo que no se pudo leer toma su valor por defecto. El archivo se conserva como &quot;%2&quot; al guardar la configuración.</translation>
    </message>
    <message>
        <source>The settings were not saved: the damaged file &quot;%1&quot; could not be kept as &quot;%2&quot;.</source>
        <translation>No se guardó la configuración: no se pudo conservar el archivo dañado &quot;%1&quot; como &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar la configuración en &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>the lock could not be taken</source>
        <translation>no se pudo tomar el bloqueo</translation>
    </message>
    <message>
        <source>The lock file that keeps a second copy of BRACKWATER from starting cannot be created in the folder &quot;%1&quot;: %2. It was created in &quot;%3&quot; instead.</source>
        <translation>El archivo de bloqueo que impide que se inicie una segunda copia de BRACKWATER no se puede crear en la carpeta &quot;%1&quot;: %2. Se creó en &quot;%3&quot; en su lugar.</translation>
    </message>
    <message>
        <source>The lock file that keeps a second copy of BRACKWATER from starting cannot be created in the folder &quot;%1&quot;: %2. BRACKWATER starts without it.</source>
        <translation>El archivo de bloqueo que impide que se inicie una segunda copia de BRACKWATER no se puede crear en la carpeta &quot;%1&quot;: %2. BRACKWATER se inicia sin él.</translation>
    </message>
    <message>
        <source>The lock file that keeps a second copy of BRACKWATER from starting cannot be created in the folder &quot;%1&quot;: %2, nor in &quot;%3&quot;: %4. BRACKWATER starts without it.</source>
        <translation>El archivo de bloqueo que impide que se inicie una segunda copia de BRACKWATER no se puede crear en la carpeta &quot;%1&quot;: %2, ni en &quot;%3&quot;: %4. BRACKWATER se inicia sin él.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Acknowledge Alarm</source>
        <translation>Reconocer la alarma</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Click Right Mouse</source>
        <translation>Haga clic con el botón derecho</translation>
    </message>
    <message>
        <source>Alarms...</source>
        <translation>Alarmas...</translation>
    </message>
</context>
<context>
    <name>TSerialPort</name>
    <message>
        <source>Can&apos;t perform this operation on a closed port</source>
        <translation>No se puede realizar esta operación con el puerto cerrado</translation>
    </message>
    <message>
        <source>Can&apos;t perform this operation on an open port</source>
        <translation>No se puede realizar esta operación con el puerto abierto</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tiempo de espera agotado</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 está en uso por otro programa</translation>
    </message>
</context>
<context>
    <name>TfrmAlarms</name>
    <message>
        <source>Main display low limit</source>
        <translation>Límite bajo de la pantalla principal</translation>
    </message>
    <message>
        <source>Main display high limit</source>
        <translation>Límite alto de la pantalla principal</translation>
    </message>
    <message>
        <source>Main display delay</source>
        <translation>Retardo de la pantalla principal</translation>
    </message>
    <message>
        <source>Main display clears back inside by</source>
        <translation>Margen de desactivación de la pantalla principal</translation>
    </message>
    <message>
        <source>Second display low limit</source>
        <translation>Límite bajo de la pantalla secundaria</translation>
    </message>
    <message>
        <source>Second display high limit</source>
        <translation>Límite alto de la pantalla secundaria</translation>
    </message>
    <message>
        <source>Second display delay</source>
        <translation>Retardo de la pantalla secundaria</translation>
    </message>
    <message>
        <source>Second display clears back inside by</source>
        <translation>Margen de desactivación de la pantalla secundaria</translation>
    </message>
    <message>
        <source>The low limit of the main display must be below its high limit.</source>
        <translation>El límite bajo de la pantalla principal debe ser inferior a su límite alto.</translation>
    </message>
    <message>
        <source>The low limit of the second display must be below its high limit.</source>
        <translation>El límite bajo de la pantalla secundaria debe ser inferior a su límite alto.</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>Low limit</source>
        <translation>Límite bajo</translation>
    </message>
    <message>
        <source>High limit</source>
        <translation>Límite alto</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Clears back inside by</source>
        <translation>Margen de desactivación</translation>
    </message>
    <message>
        <source>Main display</source>
        <translation>Pantalla principal</translation>
    </message>
    <message>
        <source>Second display</source>
        <translation>Pantalla secundaria</translation>
    </message>
    <message>
        <source>How long a reading must stay beyond a limit before the alarm rises; 0: at once</source>
        <translation>Cuánto tiempo debe permanecer una lectura fuera de un límite antes de que salte la alarma; 0: de inmediato</translation>
    </message>
    <message>
        <source>How far back inside the limit a reading must come before the alarm clears</source>
        <translation>Cuánto debe volver una lectura hacia dentro del límite antes de que la alarma se desactive</translation>
    </message>
    <message>
        <source>An alarm below this temperature</source>
        <translation>Alarma por debajo de esta temperatura</translation>
    </message>
    <message>
        <source>An alarm above this temperature (&quot;OL&quot; counts as above)</source>
        <translation>Alarma por encima de esta temperatura (&quot;OL&quot; cuenta como por encima)</translation>
    </message>
    <message>
        <source>Degrees in</source>
        <translation>Grados en</translation>
    </message>
    <message>
        <source>Alarm when no reading comes for</source>
        <translation>Alarma si no llega ninguna lectura durante</translation>
    </message>
    <message>
        <source>Sound until acknowledged</source>
        <translation>Sonar hasta que se reconozca</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Estado actual</translation>
    </message>
    <message>
        <source>&amp;Acknowledge</source>
        <translation>&amp;Reconocer</translation>
    </message>
    <message>
        <source>Silence the sound; the alarm stays marked until it clears</source>
        <translation>Silencia el sonido; la alarma sigue marcada hasta que se desactive</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The second display of this meter is a timer</source>
        <translation>La pantalla secundaria de este medidor es un temporizador</translation>
    </message>
    <message>
        <source>No alarm is up.</source>
        <translation>No hay ninguna alarma activa.</translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation>ALARMA: %1</translation>
    </message>
</context>
<context>
    <name>TfrmEditTitle</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Edit Graph Title</source>
        <translation>Editar título del gráfico</translation>
    </message>
    <message>
        <source>Main Title</source>
        <translation>Título principal</translation>
    </message>
    <message>
        <source>Sub Title</source>
        <translation>Subtítulo</translation>
    </message>
    <message>
        <source>These two edit-boxes allow adding, editing, and deletion 
of main and sub titles.  </source>
        <translation>Estos dos campos permiten agregar, editar y borrar 
el título principal y el subtítulo.  </translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Real Time Graph</source>
        <translation>Gráfico en tiempo real</translation>
    </message>
    <message>
        <source>Ctrl+click two points to measure between them.</source>
        <translation>Ctrl+clic en dos puntos para medir entre ellos.</translation>
    </message>
    <message>
        <source>Main</source>
        <extracomment>The first channel</extracomment>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>The second channel</extracomment>
        <translation>Secundario</translation>
    </message>
    <message>
        <source>REAL TIME GRAPH</source>
        <translation>GRÁFICO EN TIEMPO REAL</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Main low %1</source>
        <translation>Principal: límite bajo %1</translation>
    </message>
    <message>
        <source>Main high %1</source>
        <translation>Principal: límite alto %1</translation>
    </message>
    <message>
        <source>Second low %1</source>
        <translation>Secundario: límite bajo %1</translation>
    </message>
    <message>
        <source>Second high %1</source>
        <translation>Secundario: límite alto %1</translation>
    </message>
    <message>
        <source>&amp;Alarms...</source>
        <translation>&amp;Alarmas...</translation>
    </message>
    <message>
        <source>No thermometer found</source>
        <translation>No se encontró ningún termómetro</translation>
    </message>
</context>
<context>
    <name>TfrmGraphList</name>
    <message>
        <source>Graphing from  Tabular</source>
        <translation>Gráfico de la tabla</translation>
    </message>
    <message>
        <source>Drag a frame to zoom in; Ctrl+click two points to measure between them.</source>
        <translation>Arrastre un recuadro para ampliar; Ctrl+clic en dos puntos para medir entre ellos.</translation>
    </message>
    <message>
        <source>Undo Zoom</source>
        <translation>Deshacer zoom</translation>
    </message>
    <message>
        <source>Mea&amp;sure Between Two Points</source>
        <translation>Me&amp;dir entre dos puntos</translation>
    </message>
    <message>
        <source>clicks mark two points; the change between them is shown (Escape clears)</source>
        <translation>los clics marcan dos puntos; se muestra el cambio entre ellos (Esc borra)</translation>
    </message>
    <message>
        <source>&amp;Undo Zoom</source>
        <translation>&amp;Deshacer zoom</translation>
    </message>
    <message>
        <source>setup vertical display range</source>
        <translation>configurar el rango de visualización vertical</translation>
    </message>
    <message>
        <source>Graphing Progress</source>
        <translation>Progreso del gráfico</translation>
    </message>
    <message>
        <source>graphing.....</source>
        <translation>graficando.....</translation>
    </message>
    <message>
        <source>Main</source>
        <extracomment>The first channel</extracomment>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>The second channel</extracomment>
        <translation>Secundario</translation>
    </message>
    <message>
        <source>Data Graph</source>
        <translation>Gráfico de datos</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>TfrmLinkTest</name>
    <message>
        <source>Link Test</source>
        <translation>Prueba de enlace</translation>
    </message>
    <message>
        <source>No Link</source>
        <translation>Sin enlace</translation>
    </message>
    <message>
        <source>Searching Connected ThermoMeter</source>
        <translation>Buscando el termómetro conectado</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>No THERMOMETER found</source>
        <translation>No se encontró ningún TERMÓMETRO</translation>
    </message>
    <message>
        <source>Check the cable and that the meter</source>
        <translation>Compruebe el cable y que el medidor</translation>
    </message>
    <message>
        <source>is switched on, then press Retry.</source>
        <translation>esté encendido; luego pulse Reintentar.</translation>
    </message>
    <message>
        <source>No THERMOMETER found. Check the cable and that the meter is switched on, then press Retry.</source>
        <translation>No se encontró ningún TERMÓMETRO. Compruebe el cable y que el medidor esté encendido; luego pulse Reintentar.</translation>
    </message>
</context>
<context>
    <name>TfrmList</name>
    <message>
        <source>Tabular</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Log tools</source>
        <translation>Herramientas del registro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Output To Graph</source>
        <translation>Enviar al &amp;gráfico</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Recorded readings</source>
        <extracomment>What screen readers call the window&apos;s table of recorded readings</extracomment>
        <translation>Lecturas registradas</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Save the table for spreadsheets and scripts</source>
        <translation>Guardar la tabla para hojas de cálculo y scripts</translation>
    </message>
    <message>
        <source>invalid integer</source>
        <translation>entero no válido</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Saving Progress</source>
        <translation>Progreso de guardado</translation>
    </message>
    <message>
        <source>savint.....</source>
        <translation>guardando.....</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>No printer is installed: print to a PDF file</source>
        <translation>No hay ninguna impresora instalada: imprima en un archivo PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>Print Range</source>
        <translation>Rango de impresión</translation>
    </message>
    <message>
        <source>The log could not be printed: &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo imprimir el registro: no fue posible abrir la impresora &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The log could not be printed to &quot;%1&quot;: %2.</source>
        <translation>No se pudo imprimir el registro en &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The log could not be printed: %1.</source>
        <translation>No se pudo imprimir el registro: %1.</translation>
    </message>
    <message>
        <source>Print Progress</source>
        <translation>Progreso de impresión</translation>
    </message>
    <message>
        <source>printing.....</source>
        <translation>imprimiendo.....</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>Archivo CSV</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Progreso de exportación</translation>
    </message>
    <message>
        <source>exporting.....</source>
        <translation>exportando.....</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>The desktop places the windows</source>
        <extracomment>Shown in the status bar after Arrange where the program cannot move windows.</extracomment>
        <translation>El escritorio coloca las ventanas</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Open Control Window</source>
        <translation>Abrir la ventana de control</translation>
    </message>
    <message>
        <source>Open Graph Window</source>
        <translation>Abrir la ventana del gráfico</translation>
    </message>
    <message>
        <source>Open Tabular Window</source>
        <translation>Abrir la ventana de la tabla</translation>
    </message>
    <message>
        <source>Test linking with THERMOMETER</source>
        <translation>Probar el enlace al TERMÓMETRO</translation>
    </message>
    <message>
        <source>On Line Help Information</source>
        <translation>Información de ayuda en línea</translation>
    </message>
    <message>
        <source>Exit BRACKWATER</source>
        <translation>Salir de BRACKWATER</translation>
    </message>
    <message>
        <source>auto arrange Panel,Graph,Tabular</source>
        <translation>organizar Panel,Gráfico,Tabla</translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation>ALARMA: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n recorded rows are not saved. Save them before exiting?</source>
        <translation>
            <numerusform>Hay %n fila grabada sin guardar. ¿Desea guardarla antes de salir?</numerusform>
            <numerusform>Hay %n filas grabadas sin guardar. ¿Desea guardarlas antes de salir?</numerusform>
        </translation>
    </message>
    <message>
        <source>Saving Progress</source>
        <translation>Progreso de guardado</translation>
    </message>
    <message>
        <source>savint.....</source>
        <translation>guardando.....</translation>
    </message>
    <message>
        <source>Thermometer Link</source>
        <translation>Enlace del termómetro</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Arrange</source>
        <translation>Organizar</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Panel de control</translation>
    </message>
    <message>
        <source>Link Test</source>
        <translation>Prueba de enlace</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>TfrmOpenProgress</name>
    <message>
        <source>listing ...</source>
        <translation>cargando ...</translation>
    </message>
    <message>
        <source>File Open Progress</source>
        <translation>Progreso de apertura</translation>
    </message>
</context>
<context>
    <name>TfrmPanel</name>
    <message>
        <source>PANEL</source>
        <translation>PANEL</translation>
    </message>
    <message>
        <source>No Link</source>
        <translation>Sin enlace</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close PANEL</source>
        <translation>Cerrar PANEL</translation>
    </message>
    <message>
        <source>REL</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>REL</translation>
    </message>
    <message>
        <source>REL button</source>
        <translation>Botón REL</translation>
    </message>
    <message>
        <source>HOLD</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>HOLD</translation>
    </message>
    <message>
        <source>HOLD button</source>
        <translation>Botón HOLD</translation>
    </message>
    <message>
        <source>AVG MAX/MIN</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>AVG MAX/MIN</translation>
    </message>
    <message>
        <source>single click to change AVG/MAX/MIN mode, double click to cancel .</source>
        <translation>un clic para cambiar el modo AVG/MAX/MIN, doble clic para cancelar.</translation>
    </message>
    <message>
        <source>°C/°F</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>°C/°F</translation>
    </message>
    <message>
        <source>Change degree</source>
        <translation>Cambiar la unidad de temperatura</translation>
    </message>
    <message>
        <source>T1/T2 T1-T2</source>
        <extracomment>Caption printed on the meter&apos;s key of two-channel models</extracomment>
        <translation>T1/T2 T1-T2</translation>
    </message>
    <message>
        <source>TIMER</source>
        <extracomment>Caption printed on the meter&apos;s key of one-channel models</extracomment>
        <translation>TIMER</translation>
    </message>
    <message>
        <source>Meter display: No Link</source>
        <translation>Pantalla del medidor: sin enlace</translation>
    </message>
    <message>
        <source>Meter display: %1; second display: %2</source>
        <translation>Pantalla principal: %1; pantalla secundaria: %2</translation>
    </message>
    <message>
        <source>Meter display: %1 (%2); second display: %3</source>
        <translation>Pantalla principal: %1 (%2); pantalla secundaria: %3</translation>
    </message>
    <message>
        <source>Alarms...</source>
        <translation>Alarmas...</translation>
    </message>
</context>
<context>
    <name>TfrmPrintProgress</name>
    <message>
        <source>Print Progress</source>
        <translation>Progreso de impresión</translation>
    </message>
</context>
<context>
    <name>TfrmResolu</name>
    <message>
        <source>800 X 600 or above display resolution is recommended 
for using BRACKWATER. Your display resolution is now
640X480, For best result, please change the resulution to 
800 x 600 or above later.</source>
        <translation>Se recomienda una resolución de pantalla de 800 X 600 
o superior para usar BRACKWATER. Su resolución actual es
640X480. Para obtener el mejor resultado, cambie más adelante 
la resolución a 800 x 600 o superior.</translation>
    </message>
    <message>
        <source>Don&apos;t show this dialog next time.</source>
        <translation>No mostrar este diálogo la próxima vez.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmScope</name>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todo</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Print Range</source>
        <translation>Rango de impresión</translation>
    </message>
    <message>
        <source>&amp;from</source>
        <extracomment>The first row of the range</extracomment>
        <translation>&amp;desde</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <extracomment>The last row of the range</extracomment>
        <translation>&amp;hasta</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
</context>
<context>
    <name>TfrmSetupScale</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>maximum and minimum scale setup</source>
        <translation>Escala máxima y mínima</translation>
    </message>
    <message>
        <source>Vertical maximum and minimum scale setup</source>
        <translation>Escala vertical máxima y mínima</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>máximo</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>mínimo</translation>
    </message>
</context>
<context>
    <name>ToolStrip</name>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Clear Tabular</source>
        <translation>Borrar la tabla</translation>
    </message>
    <message>
        <source>Output Data to Graph</source>
        <translation>Enviar los datos al gráfico</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>clear and reset graph</source>
        <translation>borrar y reiniciar el gráfico</translation>
    </message>
    <message>
        <source>Clear Graph</source>
        <translation>Borrar el gráfico</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Sampling Rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>MM:SS</source>
        <extracomment>The rate entry&apos;s format: minutes and seconds</extracomment>
        <translation>MM:SS</translation>
    </message>
</context>
<context>
    <name>TwoPointReadout</name>
    <message>
        <source>no points</source>
        <translation>sin puntos</translation>
    </message>
    <message>
        <source>%1: no points</source>
        <translation>%1: sin puntos</translation>
    </message>
</context>
<context>
    <name>UserFiles</name>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
</context>
<context>
    <name>WindowSet</name>
    <message>
        <source>ALARM: %1</source>
        <translation>ALARMA: %1</translation>
    </message>
    <message>
        <source>Brackwater: alarm</source>
        <translation>Brackwater: alarma</translation>
    </message>
    <message>
        <source>Brackwater: alarm cleared</source>
        <translation>Brackwater: alarma desactivada</translation>
    </message>
    <message>
        <source>Saving Progress</source>
        <translation>Progreso de guardado</translation>
    </message>
    <message>
        <source>savint.....</source>
        <translation>guardando.....</translation>
    </message>
    <message numerus="yes">
        <source>Discard the %n rows from %1 to %2 for good?</source>
        <extracomment>%1 and %2 are the times of the first and the last row</extracomment>
        <translation>
            <numerusform>¿Descartar definitivamente %n fila de %1 a %2?</numerusform>
            <numerusform>¿Descartar definitivamente las %n filas de %1 a %2?</numerusform>
        </translation>
    </message>
</context>
</TS>
