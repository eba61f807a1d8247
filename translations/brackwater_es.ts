<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
    <name>JournalContents</name>
    <message>
        <source>The journal %1 could not be read: %2.</source>
        <translation>No se pudo leer el diario %1: %2.</translation>
    </message>
    <message>
        <source>it holds fewer rows than when it was read first</source>
        <translation>contiene menos filas que cuando se leyó por primera vez</translation>
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
    <name>RowJournal</name>
    <message>
        <source>The journal %1 could not be synced to the disk: %2. Its last rows may be lost if the power fails.</source>
        <translation>No se pudo sincronizar el diario %1 con el disco: %2. Sus últimas filas pueden perderse si se corta la corriente.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be written: %2. Recording goes on; the rows wait and are written to the journal when that works again, but rows not saved will be lost if the program ends before.</source>
        <translation>No se puede escribir en el diario %1: %2. La grabación continúa; las filas quedan en espera y se escribirán en el diario cuando vuelva a ser posible, pero las filas no guardadas se perderán si el programa termina antes.</translation>
    </message>
    <message numerus="yes">
        <source>The journal %1 is written again: %n rows recorded meanwhile are in it.</source>
        <translation>
            <numerusform>Se vuelve a escribir en el diario %1: contiene %n fila grabada mientras tanto.</numerusform>
            <numerusform>Se vuelve a escribir en el diario %1: contiene %n filas grabadas mientras tanto.</numerusform>
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
        <source>&amp;Alarms…</source>
        <translation>&amp;Alarmas…</translation>
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
        <translation type="unfinished"></translation>
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
        <source>Alarms…</source>
        <translation>Alarmas…</translation>
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
</context>
<context>
    <name>TfrmPrintProgress</name>
    <message>
        <source>Print Progress</source>
        <translation>Progreso de impresión</translation>
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
</TS>
