// Runs every benchmark of the project in turn.
void RunPdfExportBench();
void RunDocumentFileBench();
void RunTextLayoutBench();
void RunCanvasPaintBench();

int main() {
  RunPdfExportBench();
  RunDocumentFileBench();
  RunTextLayoutBench();
  RunCanvasPaintBench();
  return 0;
}
