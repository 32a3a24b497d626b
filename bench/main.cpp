// Runs every benchmark of the project in turn.
void RunPdfExportBench();
void RunDocumentFileBench();

int main() {
  RunPdfExportBench();
  RunDocumentFileBench();
  return 0;
}
