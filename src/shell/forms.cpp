#include "shell/forms.h"

#include <QFont>
#include <QPlainTextEdit>

#include "calc/rechne.h"
#include "discuss/unit4sb.h"
#include "plot/unit1sb.h"
#include "plot/unit2sb.h"
#include "plot/unit3sb.h"
#include "screenshot/unit_ba1.h"
#include "screenshot/unit_ba2.h"
#include "screenshot/unit_ba3.h"
#include "screenshot/unit_ba4.h"
#include "exact/primes.h"
#include "shell/luabbrechen.h"
#include "shell/luinput.h"
#include "shell/unitstart.h"
#include "worksheet/unitlsg.h"

namespace lumatik {

TFormStart* FormStart = nullptr;
TForm3sb* Form3sb = nullptr;
TForm4sb* Form4sb = nullptr;
TForm1sb* Form1sb = nullptr;
TFormLSG* FormLSG = nullptr;
TFormluinput* Formluinput = nullptr;
TFRechne* FRechne = nullptr;
TForm_ba1* Form_ba1 = nullptr;
TForm_ba2* Form_ba2 = nullptr;
TForm_ba3* Form_ba3 = nullptr;
TForm_ba4* Form_ba4 = nullptr;
TForm2sb* Form2sb = nullptr;

std::uint16_t StartMode = 0;

void InstallFontSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

void CreateForms() {
  InstallFontSubstitutions();
  StartMode = 0;
  FormStart = new TFormStart;
  Form3sb = new TForm3sb;
  Form4sb = new TForm4sb;
  Form1sb = new TForm1sb;
  FormLSG = new TFormLSG;
  Formluinput = new TFormluinput(FormStart);
  FRechne = new TFRechne;
  Form_ba1 = new TForm_ba1;
  Form_ba2 = new TForm_ba2;
  Form_ba3 = new TForm_ba3;
  Form_ba4 = new TForm_ba4;
  Form2sb = new TForm2sb;
  SetPrimeProgressObserver(&PrimeProgress());
}

namespace {

template <typename Form>
void DestroyForm(Form*& form) {
  delete form;
  form = nullptr;
}

}  // namespace

void DestroyForms() {
  SetPrimeProgressObserver(nullptr);
  DestroyForm(Form2sb);
  DestroyForm(Form_ba4);
  DestroyForm(Form_ba3);
  DestroyForm(Form_ba2);
  DestroyForm(Form_ba1);
  DestroyForm(FRechne);
  DestroyForm(Formluinput);
  DestroyForm(FormLSG);
  DestroyForm(Form1sb);
  DestroyForm(Form4sb);
  DestroyForm(Form3sb);
  DestroyForm(FormStart);
}

QPlainTextEdit* WorksheetMemo() {
  return FormLSG ? FormLSG->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")) : nullptr;
}

}  // namespace lumatik
