<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message>
        <source>在访达中显示</source>
        <translation>在文件管理器中显示</translation>
    </message>
</context>
</TS>
