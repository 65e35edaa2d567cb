<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Texts</name>
    <message>
        <source>40101</source>
        <translation>Ошибка!</translation>
    </message>
    <message>
        <source>40201</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>40301</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>40302</source>
        <translation>Программа уже запущена</translation>
    </message>
    <message>
        <source>41001</source>
        <translation>русский</translation>
    </message>
    <message>
        <source>41002</source>
        <translation>английский</translation>
    </message>
    <message>
        <source>41003</source>
        <translation>испанский</translation>
    </message>
    <message>
        <source>41004</source>
        <translation>немецкий</translation>
    </message>
    <message>
        <source>41005</source>
        <translation>Путь к динамической библиотеке: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41006</source>
        <translation>Путь к модулю морфологии: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41007</source>
        <translation>Морфологический анализ и лемматизация для этого языка будут недоступны.</translation>
    </message>
    <message>
        <source>41008</source>
        <translation>Основные словари</translation>
    </message>
    <message>
        <source>41009</source>
        <translation>Справочные материалы</translation>
    </message>
    <message>
        <source>41010</source>
        <translation>Параллельные тексты</translation>
    </message>
    <message>
        <source>41011</source>
        <translation>Словари и параллельные тексты не загружены</translation>
    </message>
    <message>
        <source>41013</source>
        <translation>Файл &apos;%s&apos; отключён</translation>
    </message>
    <message>
        <source>41014</source>
        <translation>Все словари</translation>
    </message>
    <message>
        <source>41101</source>
        <translation>Модуль морфологии для языка «%s» загружен за %.1lf [с]</translation>
    </message>
    <message>
        <source>41200</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>41301</source>
        <translation>Динамическая библиотека отсутствует или повреждена:&#13;
%s</translation>
    </message>
    <message>
        <source>41302</source>
        <translation>Динамическая библиотека &apos;%s&apos; не содержит функции &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41303</source>
        <translation>Этот язык не поддерживается</translation>
    </message>
    <message>
        <source>41304</source>
        <translation>Ошибка загрузки модуля морфологии для языка «%s»</translation>
    </message>
    <message>
        <source>41305</source>
        <translation>Ошибка открытия файла</translation>
    </message>
    <message>
        <source>41306</source>
        <translation>Ошибка в файле, строка %d</translation>
    </message>
    <message>
        <source>41308</source>
        <translation>Не найден закрывающий тег заголовка группы статей</translation>
    </message>
    <message>
        <source>41311</source>
        <translation>Файл пуст</translation>
    </message>
    <message>
        <source>41312</source>
        <translation>Неверный тип файла: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41313</source>
        <translation>Неверный тип словаря: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41314</source>
        <translation>Неоднозначный заголовок группы статей</translation>
    </message>
    <message>
        <source>41315</source>
        <translation>Не найден тег &apos;%s&apos; заголовка группы статей</translation>
    </message>
    <message>
        <source>41316</source>
        <translation>Лишние символы в строке заголовка группы статей</translation>
    </message>
    <message>
        <source>41317</source>
        <translation>Лишний тег &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41318</source>
        <translation>Не найден тег &apos;%s&apos; комментария</translation>
    </message>
    <message>
        <source>41319</source>
        <translation>Лишний тег &apos;%s&apos; неиндексируемого текста</translation>
    </message>
    <message>
        <source>41320</source>
        <translation>Не найден тег &apos;%s&apos; неиндексируемого текста</translation>
    </message>
    <message>
        <source>41321</source>
        <translation>Лишний разделитель &apos;%s&apos; левой и правой частей статьи</translation>
    </message>
    <message>
        <source>41322</source>
        <translation>Найден незакрытый тег</translation>
    </message>
    <message>
        <source>41323</source>
        <translation>Ошибка в escape-последовательности &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41324</source>
        <translation>Значение &apos;%s&apos; в escape-последовательности не является кодом символа</translation>
    </message>
    <message>
        <source>41325</source>
        <translation>Папка словарей не найдена:&#13;
%s</translation>
    </message>
    <message>
        <source>41326</source>
        <translation>Ошибка при обработке файла &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41327</source>
        <translation>Ошибка работы с конечным автоматом файла &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41328</source>
        <translation>Узел конечного символа не является конечным</translation>
    </message>
    <message>
        <source>41329</source>
        <translation>Ошибка поиска текста в файле &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41330</source>
        <translation>Ошибка создания файла групп словарей</translation>
    </message>
    <message>
        <source>41331</source>
        <translation>Неверные данные в файле групп словарей</translation>
    </message>
    <message>
        <source>41333</source>
        <translation>Ошибка обработки текста в кодировке UTF-8 (возможно, текст в другой кодировке или содержит 4-байтовые символы UTF-8)</translation>
    </message>
    <message>
        <source>41334</source>
        <translation>Ошибка записи ключевого слова &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41335</source>
        <translation>Неверное значение области индексации: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41336</source>
        <translation>Ошибка записи языка морфологического анализа &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41337</source>
        <translation>Слово &apos;%s&apos; длиннее 255 символов</translation>
    </message>
    <message>
        <source>41338</source>
        <translation>Файл замен &apos;%s&apos; не найден или не читается</translation>
    </message>
    <message>
        <source>41339</source>
        <translation>Ошибка открытия файла замен &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41340</source>
        <translation>Ошибка чтения файла замен &apos;%s&apos;</translation>
    </message>
    <message>
        <source>41341</source>
        <translation>Неверная таблица замен символов</translation>
    </message>
    <message>
        <source>41342</source>
        <translation>Таблица замен содержит недопустимые символы (используйте буквы или цифры)</translation>
    </message>
    <message>
        <source>41343</source>
        <translation>Параметр ключевого слова &apos; %s&apos; длиннее %d символов</translation>
    </message>
    <message>
        <source>41344</source>
        <translation>Ошибка отображения файла в память:&#13;
%s&#13;
Возможно, файл пуст</translation>
    </message>
    <message>
        <source>41345</source>
        <translation>Ошибка отображения файла в память:&#13;
%s</translation>
    </message>
    <message>
        <source>41346</source>
        <translation>Файл слишком велик (2 ГБ или больше)</translation>
    </message>
    <message>
        <source>41350</source>
        <translation>Разделитель частей статьи должен содержать от 1 до %d символов</translation>
    </message>
    <message>
        <source>41351</source>
        <translation>Разделитель статей должен содержать от 1 до %d символов</translation>
    </message>
    <message>
        <source>41352</source>
        <translation>Разделитель частей статьи &apos;%s&apos; не должен начинаться с буквы, цифры, &apos;&amp;&apos; или &apos;&lt;&apos;</translation>
    </message>
    <message>
        <source>41353</source>
        <translation>Разделитель статей &apos;%s&apos; не должен начинаться с буквы, цифры, &apos;&amp;&apos; или &apos;&lt;&apos;</translation>
    </message>
    <message>
        <source>41354</source>
        <translation>Список языков для морфологического анализа содержит более %d элементов</translation>
    </message>
    <message>
        <source>61697</source>
        <translation>Не удалось открыть документ.</translation>
    </message>
</context>
</TS>
