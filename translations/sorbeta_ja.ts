<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message>
        <source>跟随系统</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
