<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Texts</name>
    <message>
        <source>40103</source>
        <translation>Динамическая библиотека отсутствует или повреждена:&#13;
%s</translation>
    </message>
    <message>
        <source>40104</source>
        <translation>Не найдено имя библиотеки</translation>
    </message>
    <message>
        <source>40105</source>
        <translation>Не указан исходный файл</translation>
    </message>
    <message>
        <source>40106</source>
        <translation>Тип разделителя статей должен быть целым числом от %d до %d</translation>
    </message>
    <message>
        <source>40107</source>
        <translation>Ошибка в разделителе статей</translation>
    </message>
    <message>
        <source>40108</source>
        <translation>Ошибка в разделителе частей статьи</translation>
    </message>
    <message>
        <source>40303</source>
        <translation>Индексация прервана</translation>
    </message>
    <message>
        <source>40304</source>
        <translation>Идёт компиляция словаря</translation>
    </message>
    <message>
        <source>40305</source>
        <translation>Справка на английском языке не найдена</translation>
    </message>
    <message>
        <source>40404</source>
        <translation>Остановить компиляцию?</translation>
    </message>
    <message>
        <source>40501</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>40504</source>
        <translation>INI-файл; раздел &apos;%s&apos;; ключ = &apos;%s&apos;</translation>
    </message>
    <message>
        <source>40507</source>
        <translation>Исходные тексты словарей (*.txt; *.dic; *.gms)|*.txt; *.dic; *.gms|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>40508</source>
        <translation>Компилировать</translation>
    </message>
    <message>
        <source>40509</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>40511</source>
        <translation>Вызов справки</translation>
    </message>
    <message>
        <source>40512</source>
        <translation>Все файлы (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>CMainDialog</name>
    <message>
        <source>Glossmill (dictionary compilation)</source>
        <translation>Glossmill (компиляция словарей)</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>Исходный файл</translation>
    </message>
    <message>
        <source>Mapping file</source>
        <translation>Файл замен</translation>
    </message>
    <message>
        <source>Dictionaries folder</source>
        <translation>Папка словарей</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CSettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Articles separator</source>
        <translation>Разделитель статей</translation>
    </message>
    <message>
        <source>Single line feed</source>
        <translation>Одиночный перевод строки</translation>
    </message>
    <message>
        <source>Double line feed</source>
        <translation>Двойной перевод строки</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>Article parts separator</source>
        <translation>Разделитель частей статьи</translation>
    </message>
</context>
</TS>
