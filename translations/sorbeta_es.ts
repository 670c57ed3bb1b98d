<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message>
        <source>没用过</source>
        <translation>Sin usar</translation>
    </message>
    <message>
        <source>今天用过</source>
        <translation>Último uso: hoy</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前用过</source>
        <translation>
            <numerusform>Último uso: hace %n día</numerusform>
            <numerusform>Último uso: hace %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个月没用了</source>
        <translation>
            <numerusform>Sin usar desde hace %n mes</numerusform>
            <numerusform>Sin usar desde hace %n meses</numerusform>
        </translation>
    </message>
    <message>
        <source>一年多没用了</source>
        <translation>Sin usar desde hace más de un año</translation>
    </message>
    <message>
        <source>设置…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>清理</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>重新扫描</source>
        <translation>Volver a analizar</translation>
    </message>
    <message>
        <source>打开“完全磁盘访问”设置…</source>
        <translation>Abrir ajustes de «Acceso total al disco»…</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>冰沙有新版本 %1 了</source>
        <translation>Ya está disponible Sorbeta %1</translation>
    </message>
    <message>
        <source>你现在用的是 %1。新版本要从下载页下载安装。</source>
        <translation>Tienes la versión %1. Descarga la nueva desde su página de descargas.</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>Abrir página de descargas</translation>
    </message>
    <message>
        <source>以后再说</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>已经是最新版本</source>
        <translation>Ya tienes la última versión</translation>
    </message>
    <message>
        <source>冰沙 %1 就是现在最新的版本。</source>
        <translation>Sorbeta %1 es la versión más reciente.</translation>
    </message>
    <message>
        <source>好</source>
        <translation>Vale</translation>
    </message>
    <message>
        <source>没能检查更新</source>
        <translation>No se pudo buscar actualizaciones</translation>
    </message>
    <message>
        <source>连不上更新服务器，过会儿再试试。</source>
        <translation>No hay conexión con el servidor de actualizaciones. Inténtalo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>正在扫描磁盘…</source>
        <translation>Analizando el disco…</translation>
    </message>
    <message>
        <source>现在腾出空间</source>
        <translation>Liberar espacio ya</translation>
    </message>
    <message>
        <source>腾出了 </source>
        <translation>Se liberaron </translation>
    </message>
    <message>
        <source> 内存</source>
        <translation> de memoria</translation>
    </message>
    <message>
        <source>文件缓存清掉了，系统之后会按需要慢慢再缓存</source>
        <translation>Caché de archivos vaciada; el sistema la irá rellenando según la necesite</translation>
    </message>
    <message>
        <source>磁盘快满了</source>
        <translation>El disco está casi lleno</translation>
    </message>
    <message>
        <source>只剩 %1 可用，打开冰沙看看哪些可以清理。</source>
        <translation>Solo quedan %1 libres. Abre Sorbeta para ver qué se puede limpiar.</translation>
    </message>
    <message>
        <source>内存很紧张</source>
        <translation>Queda poca memoria</translation>
    </message>
    <message>
        <source>关掉几个不用的应用，或者在冰沙里释放内存。</source>
        <translation>Cierra algunas aplicaciones que no uses o libera memoria con Sorbeta.</translation>
    </message>
    <message>
        <source>自动清理了 %1</source>
        <translation>Limpieza automática: %1 liberados</translation>
    </message>
    <message>
        <source>系统镜像 · </source>
        <translation>Imagen del sistema · </translation>
    </message>
    <message>
        <source>模拟器 · 上次改动 </source>
        <translation>Emulador · último cambio </translation>
    </message>
    <message>
        <source>Docker 不用的镜像和容器</source>
        <translation>Imágenes y contenedores que Docker ya no usa</translation>
    </message>
    <message>
        <source>看起来
用不着的</source>
        <translation>Parece
innecesario</translation>
    </message>
    <message>
        <source>Xcode、模拟器、Android、Docker 和老项目里藏的大块头。</source>
        <translation>Lo que ocupa mucho escondido en los emuladores y SDK de Android, Docker y proyectos antiguos.</translation>
    </message>
    <message>
        <source>正在翻模拟器、归档和 SDK…</source>
        <translation>Revisando emuladores, máquinas virtuales y proyectos antiguos…</translation>
    </message>
    <message>
        <source>没找到开发工具留下的大文件 ✨</source>
        <translation>No hay archivos grandes olvidados por herramientas de desarrollo ✨</translation>
    </message>
    <message>
        <source>模拟器运行时和设备用 Xcode 自带的 simctl 删除；其他文件移到废纸篓，项目依赖直接删除（重新安装即可恢复）。</source>
        <translation>Los archivos van a la Papelera y las dependencias de proyecto se eliminan directamente (vuelven al reinstalarlas).</translation>
    </message>
    <message>
        <source>可能
用不着的</source>
        <translation>Quizá
innecesario</translation>
    </message>
    <message>
        <source>下载、文稿、桌面、影片里的大文件、很久没打开的文件、重复文件和旧安装包。</source>
        <translation>Archivos grandes en Descargas, Documentos, Escritorio y Vídeos, archivos que hace mucho que no abres, duplicados e instaladores antiguos.</translation>
    </message>
    <message>
        <source>正在翻你的文件…</source>
        <translation>Revisando tus archivos…</translation>
    </message>
    <message>
        <source>没找到明显用不着的大文件 ✨</source>
        <translation>No hay archivos grandes que claramente sobren ✨</translation>
    </message>
    <message>
        <source>选中的文件会移到废纸篓，在废纸篓里还能放回去。</source>
        <translation>Los archivos seleccionados van a la Papelera, desde donde aún puedes restaurarlos.</translation>
    </message>
    <message>
        <source>上次用 %1</source>
        <translation>Último uso: %1</translation>
    </message>
    <message>
        <source>上次使用日期不明</source>
        <translation>Último uso desconocido</translation>
    </message>
    <message>
        <source>%1 · 运行时已经没了</source>
        <translation>%1 · ya no tiene entorno de ejecución</translation>
    </message>
    <message>
        <source>有设备在用</source>
        <translation>Con dispositivos en uso</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 台设备</source>
        <translation>
            <numerusform>%n dispositivo</numerusform>
            <numerusform>%n dispositivos</numerusform>
        </translation>
    </message>
    <message>
        <source>上次改动 </source>
        <translation>Último cambio </translation>
    </message>
    <message>
        <source>上次打开 </source>
        <translation>Última apertura </translation>
    </message>
    <message>
        <source>%1 · 保留这一份（最早）</source>
        <translation>%1 · Se conserva esta (la más antigua)</translation>
    </message>
    <message>
        <source>%1 · 和 %2 一模一样</source>
        <translation>%1 · Idéntico a %2</translation>
    </message>
    <message>
        <source>%1 还开着</source>
        <translation>Aún abierto: %1</translation>
    </message>
    <message>
        <source>清理这几项需要先退出它们：
%1

退出前记得保存手头的东西。</source>
        <translation>Para limpiar esto, antes hay que cerrar:
%1

Acuérdate de guardar lo que estés haciendo.</translation>
    </message>
    <message>
        <source>退出并清理</source>
        <translation>Cerrar y limpiar</translation>
    </message>
    <message>
        <source>先不清理</source>
        <translation>No limpiar aún</translation>
    </message>
    <message>
        <source>跳过这几项</source>
        <translation>Omitir estos</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>磁盘</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>没法启动 osascript</source>
        <translation>No se pudo iniciar pkexec (instala antes el paquete pkexec)</translation>
    </message>
    <message>
        <source>没成功：</source>
        <translation>No funcionó: </translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Equipo Linux</translation>
    </message>
    <message>
        <source>未知芯片</source>
        <translation>Procesador desconocido</translation>
    </message>
    <message>
        <source>应用数据</source>
        <translation>Datos de la aplicación</translation>
    </message>
    <message>
        <source>它存的数据和设置</source>
        <translation>Los datos y ajustes que guarda</translation>
    </message>
    <message>
        <source>缓存</source>
        <translation>Caché</translation>
    </message>
    <message>
        <source>临时文件，删了也没关系</source>
        <translation>Archivos temporales; puedes borrarlos sin problema</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>它的设置</source>
        <translation>Sus ajustes</translation>
    </message>
    <message>
        <source>沙盒容器</source>
        <translation>Contenedor aislado</translation>
    </message>
    <message>
        <source>它在沙盒里的全部数据</source>
        <translation>Todo lo que guarda en su entorno aislado</translation>
    </message>
    <message>
        <source>窗口状态</source>
        <translation>Estado de ventanas</translation>
    </message>
    <message>
        <source>上次打开的窗口位置</source>
        <translation>Dónde estaban sus ventanas la última vez</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>运行记录</source>
        <translation>El historial de lo que ha hecho</translation>
    </message>
    <message>
        <source>网页数据</source>
        <translation>Datos web</translation>
    </message>
    <message>
        <source>网页缓存和登录信息</source>
        <translation>Cachés web e inicios de sesión</translation>
    </message>
    <message>
        <source>开机启动项</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>开机时自动运行的小助手</source>
        <translation>Un ayudante que se abre solo al iniciar sesión</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>其他残留文件</source>
        <translation>Otros archivos que quedaron</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>ahora</translation>
    </message>
    <message numerus="yes">
        <source>%n 秒钟前</source>
        <translation>
            <numerusform>hace %n segundo</numerusform>
            <numerusform>hace %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟前</source>
        <translation>
            <numerusform>hace %n minuto</numerusform>
            <numerusform>hace %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时前</source>
        <translation>
            <numerusform>hace %n hora</numerusform>
            <numerusform>hace %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>昨天</source>
        <translation>ayer</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>上周</source>
        <translation>la semana pasada</translation>
    </message>
    <message numerus="yes">
        <source>%n 周前</source>
        <translation>
            <numerusform>hace %n semana</numerusform>
            <numerusform>hace %n semanas</numerusform>
        </translation>
    </message>
    <message>
        <source>上个月</source>
        <translation>el mes pasado</translation>
    </message>
    <message numerus="yes">
        <source>%n 个月前</source>
        <translation>
            <numerusform>hace %n mes</numerusform>
            <numerusform>hace %n meses</numerusform>
        </translation>
    </message>
    <message>
        <source>去年</source>
        <translation>el año pasado</translation>
    </message>
    <message numerus="yes">
        <source>%n 年前</source>
        <translation>
            <numerusform>hace %n año</numerusform>
            <numerusform>hace %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>在访达中显示</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>点开看看</source>
        <translation>Ver qué hay dentro</translation>
    </message>
    <message>
        <source>共 %1</source>
        <translation>%1 en total</translation>
    </message>
    <message>
        <source>空闲空间 %1</source>
        <translation>Espacio libre: %1</translation>
    </message>
    <message>
        <source>系统、应用数据与其他没归类的文件 %1</source>
        <translation>Sistema, datos de aplicaciones y otros archivos sin clasificar: %1</translation>
    </message>
    <message>
        <source>%1 · %2
%3
点右上角圆点选中，点果冻看里面有什么</source>
        <translation>%1 · %2
%3
Pulsa el punto de arriba a la derecha para seleccionar, pulsa la gelatina para ver qué hay dentro</translation>
    </message>
    <message>
        <source>%1 共 %2，其中旁边的小果冻可以清理，这块是剩下的 %3
点开看看里面有什么</source>
        <translation>%1 ocupa %2 en total; las gelatinas pequeñas de al lado se pueden limpiar y este trozo es el resto, %3
Pulsa para ver qué hay dentro</translation>
    </message>
    <message>
        <source>%1 · 连同残留共 %2
点开看看它留了什么</source>
        <translation>%1 · %2 con sus restos
Pulsa para ver qué ha dejado</translation>
    </message>
    <message>
        <source>点开看看 ›</source>
        <translation>Ver qué hay ›</translation>
    </message>
    <message>
        <source>取消选中</source>
        <translation>Quitar selección</translation>
    </message>
    <message>
        <source>选中，稍后清理</source>
        <translation>Seleccionar para limpiar luego</translation>
    </message>
    <message>
        <source>版本 %1（%2）</source>
        <translation>Versión %1 (%2)</translation>
    </message>
    <message>
        <source>现在 %1</source>
        <translation>Ahora: %1</translation>
    </message>
    <message>
        <source>≥ %1 G</source>
        <translation>≥ %1 G</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>拖到“完全磁盘访问”列表里</source>
        <translation>Arrástralo a la lista «Acceso total al disco»</translation>
    </message>
    <message>
        <source>拖我</source>
        <translation>Arrástrame</translation>
    </message>
    <message>
        <source>给冰沙一把钥匙</source>
        <translation>Dale una llave a Sorbeta</translation>
    </message>
    <message>
        <source>开一次「完全磁盘访问」，系统就不会再一个个文件夹地来问你。
冰沙只读文件大小，只删你亲手勾选的东西。</source>
        <translation>Activa «Acceso total al disco» una vez y el sistema dejará de preguntarte carpeta por carpeta.
Sorbeta solo lee el tamaño de los archivos y solo borra lo que tú marques.</translation>
    </message>
    <message>
        <source>打开系统设置</source>
        <translation>Abrir ajustes del sistema</translation>
    </message>
    <message>
        <source>点下面的糖果按钮</source>
        <translation>Pulsa el botón de caramelo de abajo</translation>
    </message>
    <message>
        <source>打开冰沙的开关</source>
        <translation>Activa el interruptor de Sorbeta</translation>
    </message>
    <message>
        <source>列表里没有的话，
把右边的图标拖进去</source>
        <translation>Si no está en la lista,
arrastra ahí el icono de la derecha</translation>
    </message>
    <message>
        <source>退出并重新打开</source>
        <translation>Sal y vuelve a abrir</translation>
    </message>
    <message>
        <source>系统问的时候点它，
回来就好了</source>
        <translation>Púlsalo cuando el sistema pregunte
y listo</translation>
    </message>
    <message>
        <source>先跳过</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>跳过也能用：照片、音乐、文稿、下载和聊天应用的数据先不扫，之后随时可以再开。</source>
        <translation>También funciona sin esto: de momento no se analizan fotos, música, documentos, descargas ni datos de chats. Puedes activarlo cuando quieras.</translation>
    </message>
    <message>
        <source>再打开一次</source>
        <translation>Abrir otra vez</translation>
    </message>
    <message>
        <source>等你打开开关…打开后这里会自己继续</source>
        <translation>Esperando al interruptor… en cuanto lo actives, esto sigue solo</translation>
    </message>
    <message>
        <source>拿到钥匙啦</source>
        <translation>¡Ya tenemos la llave!</translation>
    </message>
    <message>
        <source>马上开始扫描</source>
        <translation>Empezamos a analizar</translation>
    </message>
    <message>
        <source>照片、文稿、下载等还没算进来</source>
        <translation>Aún no se cuentan fotos, documentos, descargas y más</translation>
    </message>
    <message>
        <source>去开启 ›</source>
        <translation>Activar ›</translation>
    </message>
    <message numerus="yes">
        <source>%n 项</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>还剩 %n 天</source>
        <translation>
            <numerusform>queda %n día</numerusform>
            <numerusform>quedan %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>暂存区</source>
        <translation>Zona de espera</translation>
    </message>
    <message>
        <source>最近 7 天清理的东西先放在这里，到期自动删除。要马上腾出空间可以直接删掉。</source>
        <translation>Lo que limpiaste en los últimos 7 días espera aquí y se elimina al caducar. Para liberar el espacio al momento, elimínalo ya.</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>暂存区是空的 🍧</source>
        <translation>La zona de espera está vacía 🍧</translation>
    </message>
    <message numerus="yes">
        <source>放回去了 %n 项</source>
        <translation>
            <numerusform>Se restauró %n elemento</numerusform>
            <numerusform>Se restauraron %n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 项原处已经有新的了，留在暂存区</source>
        <translation>
            <numerusform>%n sigue en la zona de espera porque en su sitio ya hay algo nuevo</numerusform>
            <numerusform>%n siguen en la zona de espera porque en su sitio ya hay algo nuevo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能放回去，还留在暂存区</source>
        <translation>
            <numerusform>%n no se pudo devolver y sigue en la zona de espera</numerusform>
            <numerusform>%n no se pudieron devolver y siguen en la zona de espera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能删掉，还留在暂存区</source>
        <translation>
            <numerusform>%n no se pudo eliminar y sigue en la zona de espera</numerusform>
            <numerusform>%n no se pudieron eliminar y siguen en la zona de espera</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1 🎉</source>
        <translation>%1 liberados 🎉</translation>
    </message>
    <message>
        <source>可安全清理</source>
        <translation>Limpieza sin riesgo</translation>
    </message>
    <message>
        <source>没有发现可以放心删的缓存</source>
        <translation>No hay cachés que se puedan borrar sin riesgo</translation>
    </message>
    <message>
        <source>确认后清理</source>
        <translation>Limpiar tras revisar</translation>
    </message>
    <message>
        <source>没有需要确认的项目</source>
        <translation>No hay nada que revisar</translation>
    </message>
    <message>
        <source>再想想</source>
        <translation>Mejor no</translation>
    </message>
    <message>
        <source>移走了 %1</source>
        <translation>Se apartaron %1</translation>
    </message>
    <message>
        <source>释放了 %1</source>
        <translation>Se liberaron %1</translation>
    </message>
    <message>
        <source>%1 的应用还开着，这次先跳过了</source>
        <translation>Esta vez se omitió lo que seguía abierto: %1</translation>
    </message>
    <message>
        <source>这次没能清理掉任何东西，文件都还在原处</source>
        <translation>Esta vez no se pudo limpiar nada; los archivos siguen donde estaban</translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没能清理掉，还在原处</source>
        <translation>
            <numerusform>%n elemento no se pudo limpiar y sigue donde estaba</numerusform>
            <numerusform>%n elementos no se pudieron limpiar y siguen donde estaban</numerusform>
        </translation>
    </message>
    <message>
        <source>在暂存区放 7 天，后悔了可以恢复</source>
        <translation>Se guarda 7 días en la zona de espera, por si cambias de idea</translation>
    </message>
    <message>
        <source>磁盘轻了一点点</source>
        <translation>El disco ya pesa un poco menos</translation>
    </message>
    <message>
        <source>🍧</source>
        <translation>🍧</translation>
    </message>
    <message>
        <source>分享战报</source>
        <translation>Compartir resultado</translation>
    </message>
    <message>
        <source>好耶</source>
        <translation>¡Genial!</translation>
    </message>
    <message>
        <source>果冻</source>
        <translation>Gelatinas</translation>
    </message>
    <message>
        <source>列表</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>建议清理</source>
        <translation>Recomendado</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 项</source>
        <translation>
            <numerusform>%n más</numerusform>
            <numerusform>%n más</numerusform>
        </translation>
    </message>
    <message>
        <source>切到列表看全部</source>
        <translation>Cambia a la lista para verlos todos</translation>
    </message>
    <message numerus="yes">
        <source>%n 项 · 已选 %1</source>
        <translation>
            <numerusform>%n elemento · %1 seleccionados</numerusform>
            <numerusform>%n elementos · %1 seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>正在处理…</source>
        <translation>Procesando…</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项 · %1</source>
        <translation>
            <numerusform>Limpiar %n elemento · %1</numerusform>
            <numerusform>Limpiar %n elementos · %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>清理 %n 项，共 %1？</source>
        <translation>
            <numerusform>¿Limpiar %n elemento (%1)?</numerusform>
            <numerusform>¿Limpiar %n elementos, %1 en total?</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1</source>
        <translation>Se liberaron %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项没删掉</source>
        <translation>
            <numerusform>%n elemento no se pudo eliminar</numerusform>
            <numerusform>%n elementos no se pudieron eliminar</numerusform>
        </translation>
    </message>
    <message>
        <source>点果冻选中，右键在访达中显示</source>
        <translation>Pulsa una gelatina para seleccionarla; con el botón derecho, muéstrala en el gestor de archivos</translation>
    </message>
    <message>
        <source>这里空空的，或者没有权限看</source>
        <translation>Aquí no hay nada, o no hay permiso para mirar</translation>
    </message>
    <message>
        <source>返回（Esc）</source>
        <translation>Atrás (Esc)</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>正在量「%1」…</source>
        <translation>Midiendo «%1»…</translation>
    </message>
    <message>
        <source>这段时间没有东西明显变大</source>
        <translation>En este periodo nada ha crecido de forma notable</translation>
    </message>
    <message>
        <source>冰沙每次扫描都会记一笔，攒两天就能看出谁在偷偷长大</source>
        <translation>Sorbeta toma nota en cada análisis; en un par de días verás qué crece a escondidas</translation>
    </message>
    <message>
        <source>1 天</source>
        <translation>1 día</translation>
    </message>
    <message>
        <source>7 天</source>
        <translation>7 días</translation>
    </message>
    <message>
        <source>30 天</source>
        <translation>30 días</translation>
    </message>
    <message>
        <source>这段时间
腾出来的空间</source>
        <translation>Espacio liberado
en este periodo</translation>
    </message>
    <message>
        <source>这段时间
多用掉的空间</source>
        <translation>Espacio extra ocupado
en este periodo</translation>
    </message>
    <message>
        <source>扫描一次之后，冰沙每天记一笔，就能看出空间都去哪了。</source>
        <translation>Tras el primer análisis, Sorbeta anota tu disco una vez al día para que veas adónde va el espacio.</translation>
    </message>
    <message>
        <source>从 %1 开始记录，明天再来就能看到变化。</source>
        <translation>Registrando desde el %1. Vuelve mañana para ver qué ha cambiado.</translation>
    </message>
    <message>
        <source>和 %1 相比</source>
        <translation>Comparado con el %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>变大了</source>
        <translation>Han crecido</translation>
    </message>
    <message>
        <source>变小了</source>
        <translation>Se han reducido</translation>
    </message>
    <message>
        <source>这段时间没有明显变化 🍧</source>
        <translation>Sin cambios notables en este periodo 🍧</translation>
    </message>
    <message>
        <source>已用空间</source>
        <translation>Espacio usado</translation>
    </message>
    <message>
        <source>%1 G</source>
        <translation>%1 G</translation>
    </message>
    <message>
        <source>可用</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>内存</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>释放内存</source>
        <translation>Liberar memoria</translation>
    </message>
    <message>
        <source>打开冰沙</source>
        <translation>Abrir Sorbeta</translation>
    </message>
    <message>
        <source>清理可放心删的 %1</source>
        <translation>Limpiar %1 sin riesgo</translation>
    </message>
    <message>
        <source>扫描磁盘</source>
        <translation>Analizar disco</translation>
    </message>
    <message>
        <source>正在扫描…</source>
        <translation>Analizando…</translation>
    </message>
    <message numerus="yes">
        <source>自动打理：%n 条规则</source>
        <translation>
            <numerusform>Limpieza automática: %n regla</numerusform>
            <numerusform>Limpieza automática: %n reglas</numerusform>
        </translation>
    </message>
    <message>
        <source>自动打理没开</source>
        <translation>Limpieza automática desactivada</translation>
    </message>
    <message>
        <source>上次自动清理 %1 · %2</source>
        <translation>Última limpieza automática: %1 · %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>卸载</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>开发</source>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>变化</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>有了完全磁盘访问，冰沙才能看到文稿、下载、照片和聊天应用的数据，系统也不会一个个文件夹地弹窗。</source>
        <translation>Sorbeta lee los archivos con los permisos de tu propia cuenta: los documentos, descargas, fotos y datos de aplicaciones de chat que tú puedes abrir se cuentan todos, sin tener que autorizar nada más.</translation>
    </message>
    <message>
        <source>已开启完全磁盘访问</source>
        <translation>Puede leer todos tus archivos</translation>
    </message>
    <message>
        <source>还没开启完全磁盘访问</source>
        <translation>Algunas carpetas no se pueden leer</translation>
    </message>
    <message>
        <source>上次检查：</source>
        <translation>Última comprobación: </translation>
    </message>
    <message>
        <source>自动检查更新</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>有新版本时冰沙会提醒你，一键装好。</source>
        <translation>Cuando salga una versión nueva, Sorbeta te avisará y abrirá su página de descargas con un clic.</translation>
    </message>
    <message>
        <source>现在检查</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message>
        <source>缤纷果冻风格的 Mac 清理工具</source>
        <translation>Un limpiador para tu equipo, con gelatinas de colores</translation>
    </message>
    <message>
        <source>冰沙关掉窗口后会留在菜单栏，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>Al cerrar la ventana, Sorbeta se queda en la bandeja del sistema y echa un vistazo cada 30 minutos. Solo limpia automáticamente cachés que se regeneran solas, y se salta las de aplicaciones que estén abiertas.</translation>
    </message>
    <message>
        <source>这台电脑没有系统托盘，关掉窗口冰沙就退出了，只在窗口开着时每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>Este equipo no tiene bandeja del sistema: Sorbeta se cierra al cerrar la ventana y solo echa un vistazo cada 30 minutos mientras la ventana está abierta. Solo limpia automáticamente cachés que se regeneran solas, y se salta las de aplicaciones que estén abiertas.</translation>
    </message>
    <message>
        <source>换语言后冰沙会自动重新打开一次。</source>
        <translation>Al cambiar de idioma, Sorbeta se reiniciará una vez.</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <source>果冻音效</source>
        <translation>Sonidos de gelatina</translation>
    </message>
    <message>
        <source>手动清理的东西先放 7 天，可以恢复</source>
        <translation>Guardar 7 días lo que limpies a mano, por si quieres restaurarlo</translation>
    </message>
    <message>
        <source>开机时自动启动</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>每天自动记一笔空间变化</source>
        <translation>Anotar cada día cómo cambia el espacio</translation>
    </message>
    <message>
        <source>可用空间少于 %1 G 时提醒我</source>
        <translation>Avisarme cuando queden menos de %1 G libres</translation>
    </message>
    <message>
        <source>第一次打开提醒时，系统会问一次能不能发通知。</source>
        <translation>Los avisos aparecen como notificaciones del sistema.</translation>
    </message>
    <message>
        <source>内存紧张时提醒我</source>
        <translation>Avisarme cuando quede poca memoria</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>General</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>自动清理</source>
        <translation>Limpieza automática</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>我给 Mac 腾出了</source>
        <translation>He liberado en mi equipo</translation>
    </message>
    <message>
        <source>用冰沙给 Mac 腾地方</source>
        <translation>Haz sitio en tu equipo con Sorbeta</translation>
    </message>
    <message numerus="yes">
        <source>清理了 %n 项 · 可用空间 %1 → %2</source>
        <translation>
            <numerusform>Limpiado: %n · Libre %1 → %2</numerusform>
            <numerusform>Limpiados: %n · Libre %1 → %2</numerusform>
        </translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>清理战报</source>
        <translation>Informe de limpieza</translation>
    </message>
    <message>
        <source>存下来发到小红书、Instagram，或者用隔空投送传到手机。</source>
        <translation>Guárdalo y publícalo en Xiaohongshu o Instagram, o usa «Compartir…» para enviarlo a otra aplicación.</translation>
    </message>
    <message>
        <source>没能保存图片</source>
        <translation>No se pudo guardar la imagen</translation>
    </message>
    <message>
        <source>已保存到「%1」</source>
        <translation>Guardado en «%1»</translation>
    </message>
    <message>
        <source>已拷贝，可以直接粘贴</source>
        <translation>Copiado, ya puedes pegarlo</translation>
    </message>
    <message>
        <source>用默认应用打开</source>
        <translation>Abrir con la aplicación predeterminada</translation>
    </message>
    <message>
        <source>拷贝图片</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>分享…</source>
        <translation>Compartir…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>退出 </source>
        <translation>Cerrar </translation>
    </message>
    <message>
        <source>最占内存的应用</source>
        <translation>Aplicaciones que más memoria usan</translation>
    </message>
    <message>
        <source>一键释放内存</source>
        <translation>Liberar memoria</translation>
    </message>
    <message>
        <source>释放内存？</source>
        <translation>¿Liberar memoria?</translation>
    </message>
    <message>
        <source>释放</source>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>算了</source>
        <translation>Déjalo</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>已运行</source>
        <translation>Tiempo activo</translation>
    </message>
    <message>
        <source>处理器</source>
        <translation>Procesador</translation>
    </message>
    <message>
        <source>电池</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>交换区</source>
        <translation>Intercambio</translation>
    </message>
    <message>
        <source>正在释放…</source>
        <translation>Liberando…</translation>
    </message>
    <message>
        <source>内存已用</source>
        <translation>Memoria usada</translation>
    </message>
    <message>
        <source>内存很紧张，关掉几个不用的应用会好很多 🥵</source>
        <translation>Queda muy poca memoria; cerrar algunas aplicaciones que no uses ayudará mucho 🥵</translation>
    </message>
    <message>
        <source>内存有点吃紧，可以看看右边谁最占地方</source>
        <translation>La memoria empieza a escasear; mira a la derecha quién usa más</translation>
    </message>
    <message>
        <source>内存很宽裕，电脑状态不错 ✨</source>
        <translation>Memoria de sobra; tu equipo va bien ✨</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <translation>
            <numerusform>%n d</numerusform>
            <numerusform>%n d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时</source>
        <translation>
            <numerusform>%n h</numerusform>
            <numerusform>%n h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 核</source>
        <translation>
            <numerusform>%n núcleo</numerusform>
            <numerusform>%n núcleos</numerusform>
        </translation>
    </message>
    <message>
        <source>负载 %1</source>
        <translation>carga %1</translation>
    </message>
    <message>
        <source>可用 </source>
        <translation>Libre: </translation>
    </message>
    <message>
        <source> · 充电中</source>
        <translation> · cargando</translation>
    </message>
    <message>
        <source> · 接着电源</source>
        <translation> · conectado a la corriente</translation>
    </message>
    <message numerus="yes">
        <source>循环 %n 次</source>
        <translation>
            <numerusform>%n ciclo</numerusform>
            <numerusform>%n ciclos</numerusform>
        </translation>
    </message>
    <message>
        <source>没用到</source>
        <translation>Sin uso</translation>
    </message>
    <message>
        <source>用了 </source>
        <translation>En uso: </translation>
    </message>
    <message>
        <source>可以回收的缓存：</source>
        <translation>Caché que se puede liberar: </translation>
    </message>
    <message>
        <source>会用系统自带的 purge 清掉文件缓存，需要输入管理员密码（由系统弹窗，冰沙看不到）。</source>
        <translation>El núcleo del sistema descartará la caché de archivos. Hace falta la contraseña de administrador (la pide el propio sistema; Sorbeta no la ve).</translation>
    </message>
    <message>
        <source>之后几分钟里打开文件会稍慢一点，系统会慢慢重新缓存。</source>
        <translation>Durante unos minutos, abrir archivos irá algo más lento mientras el sistema vuelve a llenar la caché.</translation>
    </message>
    <message>
        <source>将移到废纸篓</source>
        <translation>irá a la Papelera</translation>
    </message>
    <message>
        <source>退出它</source>
        <translation>Cerrarla</translation>
    </message>
    <message>
        <source>把 %1 和勾选的残留移到废纸篓？</source>
        <translation>¿Mover %1 y los restos marcados a la Papelera?</translation>
    </message>
    <message numerus="yes">
        <source>共 %n 项，%1。在废纸篓里还能放回去。</source>
        <translation>
            <numerusform>%n elemento, %1. Podrás restaurarlo desde la Papelera.</numerusform>
            <numerusform>%n elementos, %1. Podrás restaurarlos desde la Papelera.</numerusform>
        </translation>
    </message>
    <message>
        <source>移到废纸篓</source>
        <translation>Mover a la Papelera</translation>
    </message>
    <message>
        <source>应用本体</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>应用程序本身</source>
        <translation>La aplicación en sí</translation>
    </message>
    <message>
        <source>没找到它在资源库里留下的东西</source>
        <translation>No ha dejado nada en tus carpetas de ajustes, caché y datos</translation>
    </message>
    <message>
        <source>没开完全磁盘访问，沙盒容器里的数据没查</source>
        <translation>Sin acceso total al disco no se han revisado los datos de los contenedores aislados</translation>
    </message>
    <message>
        <source>正在移走…</source>
        <translation>Moviendo…</translation>
    </message>
    <message>
        <source>正在给应用称重…</source>
        <translation>Pesando aplicaciones…</translation>
    </message>
    <message>
        <source>按大小</source>
        <translation>Por tamaño</translation>
    </message>
    <message>
        <source>最久没用</source>
        <translation>Menos usadas</translation>
    </message>
    <message>
        <source>搜应用</source>
        <translation>Buscar aplicaciones</translation>
    </message>
    <message>
        <source>照片与媒体</source>
        <translation>Fotos y multimedia</translation>
    </message>
    <message>
        <source>文稿与下载</source>
        <translation>Documentos y descargas</translation>
    </message>
    <message>
        <source>项目与代码</source>
        <translation>Proyectos y código</translation>
    </message>
    <message>
        <source>Xcode 与 iOS 开发</source>
        <translation>Xcode y desarrollo para iOS</translation>
    </message>
    <message>
        <source>本地 AI 模型</source>
        <translation>Modelos de IA locales</translation>
    </message>
    <message>
        <source>依赖包缓存</source>
        <translation>Cachés de paquetes</translation>
    </message>
    <message>
        <source>聊天记录</source>
        <translation>Historial de chats</translation>
    </message>
    <message>
        <source>iPhone 备份与固件</source>
        <translation>Copias de iPhone y firmware</translation>
    </message>
    <message>
        <source>应用程序</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>应用缓存</source>
        <translation>Cachés de aplicaciones</translation>
    </message>
    <message>
        <source>废纸篓</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>编译中间产物，下次编译会自动重新生成。Xcode 开着时跳过。</source>
        <translation>Archivos intermedios de compilación; se regeneran en la próxima compilación. Se omite si Xcode está abierto.</translation>
    </message>
    <message>
        <source>模拟器缓存</source>
        <translation>Cachés del simulador</translation>
    </message>
    <message>
        <source>CoreSimulator 的缓存和各个模拟器的临时文件，需要时会重建。</source>
        <translation>Cachés de CoreSimulator y archivos temporales de cada simulador; se regeneran cuando hacen falta.</translation>
    </message>
    <message>
        <source>旧的设备支持文件</source>
        <translation>Archivos de soporte de dispositivos antiguos</translation>
    </message>
    <message>
        <source>连接过的设备留下的符号文件。每种系统保留最新的 2 个，其余的删掉，旧设备再连接时会重新拷贝。</source>
        <translation>Archivos de símbolos que dejaron los dispositivos que conectaste. Se conservan los 2 más recientes de cada versión del sistema y se borra el resto; un dispositivo antiguo los vuelve a copiar al reconectarse.</translation>
    </message>
    <message>
        <source>Xcode 缓存</source>
        <translation>Cachés de Xcode</translation>
    </message>
    <message>
        <source>Xcode 自己的缓存目录。</source>
        <translation>Las carpetas de caché del propio Xcode.</translation>
    </message>
    <message>
        <source>浏览器缓存</source>
        <translation>Cachés del navegador</translation>
    </message>
    <message>
        <source>Safari、Chrome、Edge、Brave、Arc、Firefox 的网页缓存。不碰 Cookie、历史记录和密码。浏览器开着时跳过。</source>
        <translation>Cachés web de Chrome, Chromium, Edge, Brave y Firefox. No se tocan las cookies, el historial ni las contraseñas. Se omite si el navegador está abierto.</translation>
    </message>
    <message>
        <source>npm 缓存</source>
        <translation>Caché de npm</translation>
    </message>
    <message>
        <source>npm 的下载缓存，装包时会重新下载。</source>
        <translation>Caché de descargas de npm; los paquetes se vuelven a descargar al instalarlos.</translation>
    </message>
    <message>
        <source>Yarn 缓存</source>
        <translation>Caché de Yarn</translation>
    </message>
    <message>
        <source>Yarn 的下载缓存。</source>
        <translation>Caché de descargas de Yarn.</translation>
    </message>
    <message>
        <source>Bun 缓存</source>
        <translation>Caché de Bun</translation>
    </message>
    <message>
        <source>Bun 的安装缓存。</source>
        <translation>Caché de instalación de Bun.</translation>
    </message>
    <message>
        <source>pip 缓存</source>
        <translation>Caché de pip</translation>
    </message>
    <message>
        <source>Python 包的下载缓存。</source>
        <translation>Caché de descargas de paquetes de Python.</translation>
    </message>
    <message>
        <source>Homebrew 下载缓存</source>
        <translation>Caché de descargas de Homebrew</translation>
    </message>
    <message>
        <source>已下载的安装包，brew 需要时会重新下载。API 索引保留。</source>
        <translation>Instaladores ya descargados; brew los vuelve a descargar cuando hacen falta. Se conserva el índice de la API.</translation>
    </message>
    <message>
        <source>CocoaPods 缓存</source>
        <translation>Caché de CocoaPods</translation>
    </message>
    <message>
        <source>Pod 的下载缓存。</source>
        <translation>Caché de descargas de los pods.</translation>
    </message>
    <message>
        <source>SwiftPM 缓存</source>
        <translation>Caché de SwiftPM</translation>
    </message>
    <message>
        <source>Swift Package 的下载缓存。</source>
        <translation>Caché de descargas de paquetes de Swift.</translation>
    </message>
    <message>
        <source>Go 编译缓存</source>
        <translation>Caché de compilación de Go</translation>
    </message>
    <message>
        <source>go build 的缓存，下次编译会重建。</source>
        <translation>Caché de go build; se regenera en la siguiente compilación.</translation>
    </message>
    <message>
        <source>Gradle 临时文件</source>
        <translation>Archivos temporales de Gradle</translation>
    </message>
    <message>
        <source>Gradle 的守护进程日志、构建缓存和通知。依赖仓库本身不动。Gradle 在跑时跳过。</source>
        <translation>Registros del demonio de Gradle, caché de compilación y notificaciones. El repositorio de dependencias no se toca. Se omite mientras Gradle esté en marcha.</translation>
    </message>
    <message>
        <source>其他开发工具缓存</source>
        <translation>Cachés de otras herramientas de desarrollo</translation>
    </message>
    <message>
        <source>TypeScript、Vite、ESLint、Prettier、uv、Poetry、Ruff、Cargo、Composer、Android 等工具的缓存，都会自动重建。</source>
        <translation>Cachés de TypeScript, Vite, ESLint, Prettier, uv, Poetry, Ruff, Cargo, Composer, Android y otras herramientas; todas se regeneran solas.</translation>
    </message>
    <message>
        <source>用户日志</source>
        <translation>Registros de usuario</translation>
    </message>
    <message>
        <source>应用写下的日志和崩溃报告，一般没人再看。</source>
        <translation>Registros e informes de fallos que escriben las aplicaciones; casi nunca los vuelve a leer nadie.</translation>
    </message>
    <message>
        <source>iOS 固件安装包</source>
        <translation>Instaladores de firmware de iOS</translation>
    </message>
    <message>
        <source>通过访达更新设备时下载的 .ipsw，用完就没用了。</source>
        <translation>Archivos de firmware .ipsw descargados al actualizar un iPhone o iPad; una vez instalados ya no sirven.</translation>
    </message>
    <message>
        <source>没下载完的文件</source>
        <translation>Descargas sin terminar</translation>
    </message>
    <message>
        <source>下载文件夹里中断的 .download / .crdownload / .part，一天以上没动过的。</source>
        <translation>Archivos .download / .crdownload / .part interrumpidos en la carpeta Descargas y sin tocar desde hace más de un día.</translation>
    </message>
    <message>
        <source>微信缓存</source>
        <translation>Caché de WeChat</translation>
    </message>
    <message>
        <source>微信的缩略图和网页缓存，删后会自动重新生成。聊天记录、图片和文件都不动。微信开着时跳过。</source>
        <translation>Miniaturas y caché web de WeChat; se regeneran solas después de borrarlas. No se tocan el historial de chats, las imágenes ni los archivos. Se omite si WeChat está abierto.</translation>
    </message>
    <message>
        <source>LINE 缓存</source>
        <translation>Caché de LINE</translation>
    </message>
    <message>
        <source>LINE 的缓存，删后会自动重新生成。聊天记录和相册都不动。LINE 开着时跳过。</source>
        <translation>Caché de LINE; se regenera sola después de borrarla. No se tocan el historial de chats ni los álbumes. Se omite si LINE está abierto.</translation>
    </message>
    <message>
        <source>QQ 缓存</source>
        <translation>Caché de QQ</translation>
    </message>
    <message>
        <source>QQ 的缓存，删后会自动重新生成。聊天记录和文件都不动。QQ 开着时跳过。</source>
        <translation>Caché de QQ; se regenera sola después de borrarla. No se tocan el historial de chats ni los archivos. Se omite si QQ está abierto.</translation>
    </message>
    <message>
        <source>Discord 缓存</source>
        <translation>Caché de Discord</translation>
    </message>
    <message>
        <source>Discord 的网页和图片缓存，删后会自动重新生成。Discord 开着时跳过。</source>
        <translation>Caché web y de imágenes de Discord; se regenera sola después de borrarla. Se omite si Discord está abierto.</translation>
    </message>
    <message>
        <source>Slack 缓存</source>
        <translation>Caché de Slack</translation>
    </message>
    <message>
        <source>Slack 的网页和图片缓存，删后会自动重新生成。Slack 开着时跳过。</source>
        <translation>Caché web y de imágenes de Slack; se regenera sola después de borrarla. Se omite si Slack está abierto.</translation>
    </message>
    <message>
        <source>剪映 / CapCut 缓存</source>
        <translation>Caché de JianYing / CapCut</translation>
    </message>
    <message>
        <source>剪辑时生成的预览和素材缓存，再打开草稿时会重新生成。草稿和导出的视频都不动。剪映或 CapCut 开着时跳过。</source>
        <translation>Vistas previas y cachés de material generadas al editar; se regeneran al volver a abrir un borrador. No se tocan los borradores ni los vídeos exportados. Se omite si JianYing o CapCut están abiertos.</translation>
    </message>
    <message>
        <source>旧项目的依赖与构建产物</source>
        <translation>Dependencias y compilaciones de proyectos antiguos</translation>
    </message>
    <message>
        <source>代码目录里 7 天没动过的项目的 node_modules、target、.build、Pods、.venv 等。被 git 跟踪的不碰。删后需要重新安装依赖。</source>
        <translation>node_modules, target, .build, Pods, .venv y similares de los proyectos de tus carpetas de código que llevan 7 días sin tocarse. No se toca nada que esté bajo control de git. Después habrá que reinstalar las dependencias.</translation>
    </message>
    <message>
        <source>清空第三方应用缓存</source>
        <translation>Vaciar cachés de aplicaciones de terceros</translation>
    </message>
    <message>
        <source>各个应用的缓存。正在运行的应用、系统组件和密码管理器的缓存会跳过。删后应用会变慢一会儿。</source>
        <translation>Cachés de todas las aplicaciones. Se omiten las de aplicaciones en marcha, componentes del sistema y gestores de contraseñas. Después, las aplicaciones irán algo más lentas durante un rato.</translation>
    </message>
    <message>
        <source>pnpm 的全局内容仓库。已有项目还能用，但下次安装要重新下载。</source>
        <translation>Almacén global de contenido de pnpm. Los proyectos existentes siguen funcionando, pero la próxima instalación volverá a descargar.</translation>
    </message>
    <message>
        <source>打包归档。删掉后就不能再从这些归档重新导出或上传了。</source>
        <translation>Archives empaquetados. Una vez eliminados, ya no podrás volver a exportar ni subir desde ellos.</translation>
    </message>
    <message>
        <source>iPhone / iPad 备份</source>
        <translation>Copias de seguridad de iPhone / iPad</translation>
    </message>
    <message>
        <source>设备的本地备份，删了就找不回来了。需要“完全磁盘访问权限”才能看到。</source>
        <translation>Copias de seguridad locales de tus dispositivos; una vez eliminadas no se pueden recuperar.</translation>
    </message>
    <message>
        <source>清倒废纸篓</source>
        <translation>Vaciar la Papelera</translation>
    </message>
    <message>
        <source>废纸篓里的东西会被永久删除。</source>
        <translation>Todo lo que hay en la Papelera se eliminará para siempre.</translation>
    </message>
    <message>
        <source>微信里 3 个月前的图片和视频</source>
        <translation>Imágenes y vídeos de WeChat de hace más de 3 meses</translation>
    </message>
    <message>
        <source>聊天里收到的、3 个月以前的图片、视频和文件。删掉后在微信里会显示已过期，多数不能再下载。微信开着时跳过。</source>
        <translation>Imágenes, vídeos y archivos recibidos en chats hace más de 3 meses. Una vez eliminados, WeChat los mostrará como caducados y la mayoría no se podrá volver a descargar. Se omite si WeChat está abierto.</translation>
    </message>
    <message>
        <source>Telegram 下载过的媒体</source>
        <translation>Multimedia descargada en Telegram</translation>
    </message>
    <message>
        <source>Telegram 里看过的图片和视频的本地副本。云端还在的可以重新下载，私密聊天里的找不回来。Telegram 开着时跳过。</source>
        <translation>Copias locales de imágenes y vídeos que has visto en Telegram. Lo que sigue en la nube se puede volver a descargar; lo de los chats secretos no se puede recuperar. Se omite si Telegram está abierto.</translation>
    </message>
    <message>
        <source>下载文件夹里的旧安装包</source>
        <translation>Instaladores antiguos en Descargas</translation>
    </message>
    <message>
        <source>下载文件夹里两周以上没动过的 .dmg 和 .pkg。软件装好后安装包一般就没用了。</source>
        <translation>Paquetes .deb y .rpm de la carpeta Descargas sin tocar desde hace más de dos semanas. Una vez instalado el programa, el instalador no suele servir de nada.</translation>
    </message>
    <message>
        <source>模拟器运行时</source>
        <translation>Entornos de ejecución del simulador</translation>
    </message>
    <message>
        <source>每个系统版本的模拟器镜像，动辄 8 G。默认勾上 60 天没用、没有设备在用、又不是最新版本的；删了以后要用再从 Xcode 下载。</source>
        <translation>Una imagen de simulador por versión del sistema, a menudo de 8 G. Se marcan por defecto las que llevan 60 días sin usarse, no tienen dispositivos que las usen y no son la versión más reciente; si luego te hacen falta, vuelve a descargarlas desde Xcode.</translation>
    </message>
    <message>
        <source>模拟器设备</source>
        <translation>Dispositivos del simulador</translation>
    </message>
    <message>
        <source>每台模拟器里装的 App 和数据。默认勾上 90 天没开过的，以及运行时已经被删掉的。</source>
        <translation>Las aplicaciones y datos de cada simulador. Se marcan por defecto los que llevan 90 días sin abrirse y aquellos cuyo entorno de ejecución ya se eliminó.</translation>
    </message>
    <message>
        <source>Xcode 归档</source>
        <translation>Archives de Xcode</translation>
    </message>
    <message>
        <source>按 App 分组，每个 App 默认保留最新的 2 个归档。删掉的归档不能再重新导出或上传。</source>
        <translation>Agrupados por aplicación; de cada una se conservan por defecto los 2 archives más recientes. Un archive eliminado ya no se puede volver a exportar ni subir.</translation>
    </message>
    <message>
        <source>多个 Xcode</source>
        <translation>Varios Xcode</translation>
    </message>
    <message>
        <source>装了不止一个 Xcode。不会默认勾选，确认不用了再移到废纸篓。</source>
        <translation>Hay más de un Xcode instalado. No se marca nada por defecto; mueve a la Papelera el que tengas claro que ya no usas.</translation>
    </message>
    <message>
        <source>Android SDK</source>
        <translation>Android SDK</translation>
    </message>
    <message>
        <source>系统镜像和模拟器。默认勾上 90 天没动过的模拟器；镜像要用时可以用 SDK Manager 重新下载。</source>
        <translation>Imágenes del sistema y emuladores. Se marcan por defecto los emuladores sin tocar desde hace 90 días; las imágenes se pueden volver a descargar con SDK Manager cuando hagan falta.</translation>
    </message>
    <message>
        <source>Docker 与虚拟机</source>
        <translation>Docker y máquinas virtuales</translation>
    </message>
    <message>
        <source>容器和虚拟机的磁盘文件。这里只帮你看大小；Docker 开着时可以一键清掉不用的镜像和容器。</source>
        <translation>Archivos de disco de contenedores y máquinas virtuales. Aquí solo se muestra su tamaño; con Docker en marcha, puedes borrar de un clic las imágenes y contenedores que ya no usa.</translation>
    </message>
    <message>
        <source>很久没动的项目</source>
        <translation>Proyectos olvidados</translation>
    </message>
    <message>
        <source>90 天没改过的项目，只清它们的依赖和构建产物（node_modules、target、Pods…），代码不动，被 git 跟踪的也不动。</source>
        <translation>Proyectos sin cambios desde hace 90 días. Solo se limpian sus dependencias y compilaciones (node_modules, target, Pods…); el código no se toca, ni nada que esté bajo control de git.</translation>
    </message>
    <message>
        <source>重复文件</source>
        <translation>Archivos duplicados</translation>
    </message>
    <message>
        <source>内容完全一样的文件（逐字节比较过）。每组默认保留最早的那一份。</source>
        <translation>Archivos con exactamente el mismo contenido (comparados byte a byte). De cada grupo se conserva por defecto la copia más antigua.</translation>
    </message>
    <message>
        <source>旧安装包</source>
        <translation>Instaladores antiguos</translation>
    </message>
    <message>
        <source>下载文件夹里 30 天前的 .dmg、.pkg、.zip，装完一般就用不着了。</source>
        <translation>Archivos .deb, .rpm, .zip e .iso de la carpeta Descargas de hace más de 30 días. Una vez instalados, no suelen hacer falta.</translation>
    </message>
    <message>
        <source>一年多没打开</source>
        <translation>Sin abrir desde hace más de un año</translation>
    </message>
    <message>
        <source>超过 100 M、一年多没打开也没改过的文件。不会默认勾选，看一眼再决定。</source>
        <translation>Archivos de más de 100 M que no se han abierto ni modificado en más de un año. No se marcan por defecto: échales un vistazo antes de decidir.</translation>
    </message>
    <message>
        <source>大文件</source>
        <translation>Archivos grandes</translation>
    </message>
    <message>
        <source>500 M 以上的文件，按大小排。不会默认勾选。</source>
        <translation>Archivos de 500 M o más, ordenados por tamaño. No se marcan por defecto.</translation>
    </message>
    <message>
        <source>系统与其他</source>
        <translation>Sistema y otros</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1，暂存区 %2）</source>
        <translation>Libre tras limpiar la selección
(ahora %1, zona de espera %2)</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1）</source>
        <translation>Libre tras limpiar la selección
(ahora %1)</translation>
    </message>
    <message>
        <source>很干净，没找到可以清理的东西 ✨</source>
        <translation>Todo limpio, no hay nada que limpiar ✨</translation>
    </message>
    <message>
        <source>准备扫描…</source>
        <translation>Preparando el análisis…</translation>
    </message>
    <message>
        <source>可以清理 %1，其中 %2 可以放心删除。</source>
        <translation>Se pueden limpiar %1, de los que %2 sin ningún riesgo.</translation>
    </message>
    <message>
        <source>正在重新扫描「%1」…</source>
        <translation>Volviendo a analizar «%1»…</translation>
    </message>
    <message>
        <source>正在翻看「%1」…</source>
        <translation>Revisando «%1»…</translation>
    </message>
    <message>
        <source>正在清理「%1」… %2/%3</source>
        <translation>Limpiando «%1»… %2/%3</translation>
    </message>
    <message>
        <source>正在清理，稍等一下 🫧</source>
        <translation>Limpiando, un momento 🫧</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项</source>
        <translation>
            <numerusform>Limpiar %n elemento</numerusform>
            <numerusform>Limpiar %n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>选一些果冻来清理</source>
        <translation>Elige algunas gelatinas para limpiar</translation>
    </message>
    <message>
        <source>扫描完就能清理</source>
        <translation>Podrás limpiar cuando acabe el análisis</translation>
    </message>
    <message>
        <source>正在清理…</source>
        <translation>Limpiando…</translation>
    </message>
    <message>
        <source>

会先放进暂存区，7 天内可以恢复，之后自动删除。</source>
        <translation>

Primero irán a la zona de espera: podrás restaurarlos durante 7 días y después se eliminarán solos.</translation>
    </message>
    <message>
        <source>

文件会被直接删除，不经过废纸篓。</source>
        <translation>

Los archivos se eliminarán directamente, sin pasar por la Papelera.</translation>
    </message>
    <message>
        <source>已选 %1 / %2</source>
        <translation>Seleccionado: %1 de %2</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>Quitar selección</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>暂存区 %1 · 7 天内可以恢复</source>
        <translation>Zona de espera: %1 · se puede restaurar durante 7 días</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>系统占用</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>已压缩</source>
        <translation>Comprimida</translation>
    </message>
    <message>
        <source>文件缓存</source>
        <translation>Caché de archivos</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>%1 没能移到废纸篓</source>
        <translation>No se pudo mover %1 a la Papelera</translation>
    </message>
    <message>
        <source> 移到废纸篓了 · </source>
        <translation> se movió a la Papelera · </translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没权限移走，可以在访达里手动拖进废纸篓</source>
        <translation>
            <numerusform>No hay permiso para mover %n elemento; puedes arrastrarlo tú a la Papelera desde el gestor de archivos</numerusform>
            <numerusform>No hay permiso para mover %n elementos; puedes arrastrarlos tú a la Papelera desde el gestor de archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>清倒废纸篓后才会腾出空间，反悔的话去废纸篓里放回来</source>
        <translation>El espacio se libera al vaciar la Papelera; si cambias de idea, restáuralo desde la Papelera</translation>
    </message>
    <message>
        <source>彻底删除刚卸载的 </source>
        <translation>¿Eliminar definitivamente </translation>
    </message>
    <message>
        <source>？</source>
        <translation> de la Papelera?</translation>
    </message>
    <message>
        <source>只删这次移进废纸篓的 </source>
        <translation>Solo se eliminan los </translation>
    </message>
    <message>
        <source>，废纸篓里别的东西不动。删了就不能放回来了。</source>
        <translation> que acaban de ir a la Papelera; lo demás que haya en ella no se toca. Una vez eliminado, no se podrá restaurar.</translation>
    </message>
    <message>
        <source>彻底删除</source>
        <translation>Eliminar definitivamente</translation>
    </message>
    <message numerus="yes">
        <source>%n 处残留</source>
        <translation>
            <numerusform>%n resto</numerusform>
            <numerusform>%n restos</numerusform>
        </translation>
    </message>
    <message>
        <source>正在给应用称重… %1/%2</source>
        <translation>Pesando aplicaciones… %1/%2</translation>
    </message>
    <message>
        <source>很久没打开的排在前面，这些最值得卸。</source>
        <translation>Primero las que llevan más tiempo sin abrirse: son las que más vale la pena desinstalar.</translation>
    </message>
    <message>
        <source>点一个应用，看看它在电脑里留了多少东西。卸载会移到废纸篓，可以放回来。</source>
        <translation>Pulsa una aplicación para ver cuánto ocupa en tu equipo. Desinstalar la mueve a la Papelera, así que podrás restaurarla.</translation>
    </message>
    <message numerus="yes">
        <source>%n 个应用
连同它们的残留</source>
        <translation>
            <numerusform>%n aplicación
con sus restos</numerusform>
            <numerusform>%n aplicaciones
con sus restos</numerusform>
        </translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>%1 正在运行，先退出再卸载</source>
        <translation>%1 está en marcha: cierra la aplicación antes de desinstalarla</translation>
    </message>
    <message>
        <source>%1 的后台助手还在运行，先退出再卸载</source>
        <translation>Los ayudantes en segundo plano de %1 siguen en marcha: ciérralos antes de desinstalar</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 个</source>
        <translation>
            <numerusform>%n más</numerusform>
            <numerusform>%n más</numerusform>
        </translation>
    </message>
</context>
</TS>
