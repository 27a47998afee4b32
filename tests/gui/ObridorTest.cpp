// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Whether the desktop has a program for a file: asked of xdg-mime, a stand-in here.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/shell/InterficieQt.h"

using namespace tirelo::gui;

class ObridorTest : public QObject {
  Q_OBJECT

 private slots:
  void AnswerOfXdgMime_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("hiHa");
    QTest::newRow("names a program") << QByteArray("echo libreoffice-writer.desktop") << true;
    QTest::newRow("names none") << QByteArray("exit 0") << false;
    QTest::newRow("blank answer") << QByteArray("echo '  '") << false;
    QTest::newRow("fails: cannot tell") << QByteArray("exit 4") << true;
  }
  void AnswerOfXdgMime() {
    QFETCH(QByteArray, script);
    QFETCH(bool, hiHa);
    QTemporaryDir dir;
    const QString cami = dir.filePath(QStringLiteral("xdg-mime"));
    QFile f(cami);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + script + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(HiHaObridor(QStringLiteral("application/pdf"), cami), hiHa);
  }

  void WithoutXdgMimeTheDesktopIsTrusted() {
    QVERIFY(HiHaObridor(QStringLiteral("application/pdf"), QStringLiteral("/no/such/xdg-mime")));
  }
};

QTEST_MAIN(ObridorTest)
#include "ObridorTest.moc"
